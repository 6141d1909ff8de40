// Saves a picture of the start pages as the pupil sees them, for looking at
// the pages during development: shots <folder>
#include "CQuizSheet.h"
#include "CSheetHarness.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    CSheetHarness harness;
    auto save = [&](const QString& name) {
        CSheetHarness::Settle();
        harness.Sheet()->grab().save(folder + u'/' + name + QStringLiteral(".png"));
    };
    save(QStringLiteral("page00-welcome"));
    harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
    save(QStringLiteral("page01-start"));
    harness.PressPicture(IDB_NEW_QUIZ_BUTTON);
    save(QStringLiteral("page02-name"));
    return 0;
}
