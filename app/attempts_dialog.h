#pragma once

#include <QDialog>
#include <QList>
#include <functional>

#include "attempts_file.h"

class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace vellorin {

// "Personal bests": the attempts on record, each with the moment it began and the time held;
// one may be removed (after a question), and a personal best from elsewhere entered by hand.
// Every change rewrites the attempts file whole, its other lines as they were; what cannot be
// read or written is said in the dialog itself.
class AttemptsDialog : public QDialog {
    Q_OBJECT

public:
    using Confirm = std::function<bool(const QString& question)>;

    AttemptsDialog(QWidget* parent, const QString& path, Confirm confirm);

    // Asks, then removes the attempt selected in the list.
    void RemoveSelected();
    // Adds the attempt typed in the two fields.
    void AddTyped();
    // The attempts as listed, "began<tab>held" each.
    QStringList Listed() const;
    // What the dialog says about the file, or about the last change; empty for nothing.
    QString Note() const;

private:
    void Reload();

    QString path_;
    Confirm confirm_;
    QList<Attempt> attempts_;
    QTreeWidget* list_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* remove_ = nullptr;
    QDateTimeEdit* when_ = nullptr;
    QLineEdit* held_ = nullptr;
    QPushButton* add_ = nullptr;
};

}  // namespace vellorin
