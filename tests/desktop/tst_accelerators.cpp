#include "CPageTour.h"
#include "CSheetHarness.h"
#include "CTranslations.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QMap>
#include <QPushButton>
#include <QShortcut>
#include <QtTest>

#include <memory>

namespace {
// The Alt+letter of a caption ("Quiz &speichern" gives S), or nothing.
QChar Mnemonic(const QString& caption)
{
    const QKeySequence key = QKeySequence::mnemonic(caption);
    return key.isEmpty() ? QChar() : key.toString().back().toUpper();
}

// The letters claimed twice among the buttons a pupil can reach below a window.
QStringList Clashes(QWidget* window)
{
    QMap<QChar, QStringList> owners;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window))
            continue;
        const QChar letter = Mnemonic(button->text());
        if (!letter.isNull())
            owners[letter].append(button->text());
    }
    // Picture buttons answer their Alt letter through a shortcut of the page.
    for (QShortcut* shortcut : window->findChildren<QShortcut*>()) {
        auto* owner = qobject_cast<QWidget*>(shortcut->parent());
        const QString key = shortcut->key().toString();
        if (shortcut->isEnabled() && owner && owner->isVisibleTo(window) &&
            key.startsWith(QStringLiteral("Alt+")) && key.size() == 5)
            owners[key.back().toUpper()].append(key);
    }
    QStringList clashes;
    for (auto owner = owners.cbegin(); owner != owners.cend(); ++owner) {
        if (owner.value().size() > 1)
            clashes.append(QStringLiteral("Alt+%1: %2")
                               .arg(owner.key())
                               .arg(owner.value().join(QStringLiteral(", "))));
    }
    return clashes;
}
} // namespace

// In every language, Alt and a letter presses one button only: no page offers a letter twice.
class TestAccelerators : public QObject
{
    Q_OBJECT

private slots:
    void theCheckSeesAClash()
    {
        QWidget page;
        new QPushButton(QStringLiteral("&Fertig"), &page);
        new QPushButton(QStringLiteral("&Falsch"), &page);
        new QPushButton(QStringLiteral("&Weiter"), &page);
        new QPushButton(QStringLiteral("Abbrechen"), &page);
        QCOMPARE(Clashes(&page), QStringList{QStringLiteral("Alt+F: &Fertig, &Falsch")});
    }

    void eachLetterPressesOneButtonOnEveryPage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::addRow("German") << QLocale(QLocale::German, QLocale::Germany);
        QTest::addRow("French") << QLocale(QLocale::French, QLocale::France);
        QTest::addRow("Spanish") << QLocale(QLocale::Spanish, QLocale::Spain);
    }

    void eachLetterPressesOneButtonOnEveryPage()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        const CTranslations translations{QLocale()};
        QVERIFY(locale.language() == QLocale::English || translations.HasProgramTexts());

        CSheetHarness harness;
        CPageTour tour(harness);
        QStringList found;
        int pages = 0;
        tour.Run([&](const QString& where, QWidget* shown) {
            ++pages;
            for (const QString& clash : Clashes(shown))
                found.append(where + QStringLiteral(": ") + clash);
        });
        QLocale::setDefault(QLocale::c());
        QVERIFY(!QTest::currentTestFailed());
        found.removeDuplicates();
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
        QVERIFY(pages > 20);
    }
};

QTEST_MAIN(TestAccelerators)
#include "tst_accelerators.moc"
