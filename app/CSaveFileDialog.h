#pragma once

#include <QFileDialog>

// The save dialog for a quiz. It asks before replacing a file, except a file that cannot be
// written: there is nothing to confirm, and the page that asked refuses the name in plain
// words instead of after a "replace?" the pupil has already said yes to.
class CSaveFileDialog : public QFileDialog
{
    Q_OBJECT

public:
    CSaveFileDialog(QWidget* parent, const QString& folder, const QString& filter,
                    const QString& defaultSuffix);

    void accept() override;
};
