#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <map>
#include <optional>

#include "rounds_table.h"
#include "trainer_window.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vellorin {

// The editor of a table of rounds: its name and intro, its rows in a list, and the selected
// row's hold rule, rest rule and repeat in a form below it that shows the values its kinds
// use. Times are typed as m:ss or seconds. Every change is checked at once: the total, the
// problems (each naming the round and the value) and the holds above the personal best are
// shown in the dialog, and Save and "Use this table" put the cursor in the first value to
// mend. A table may be left without rows (TableProblems says it needs one).
//
//   RoundsEditor editor(table, path, best, window, this);
//   if (editor.exec() == QDialog::Accepted) { run editor.Table(); remember editor.Path(); }
class RoundsEditor : public QDialog {
    Q_OBJECT

public:
    // path: the file the table was read from; empty for a new table. window: the six
    // settings for "Fill from the six settings".
    RoundsEditor(const RoundsTable& table, const QString& path, std::optional<int> personalBest,
                 const TrainerWindow& window, QWidget* parent = nullptr);

    // The table as edited, and the file it was last saved to (or read from).
    const RoundsTable& Table() const { return table_; }
    const QString& Path() const { return path_; }
    // The table as the editor last wrote it to Path(); nothing when it wrote none.
    const std::optional<RoundsTable>& Written() const { return written_; }
    // Tells the program's own files (the training log...) by name, so that Save never
    // replaces one: its name ("the training log") for such a path, empty for any other.
    void SetProgramFiles(std::function<QString(const QString& path)> programFileName) {
        programFileName_ = std::move(programFileName);
    }

    // The buttons, for the keys and the tests. Save and SaveAs say whether the table was saved.
    void AddRow();
    void DuplicateRow();
    void RemoveRow();
    void MoveRow(int by);
    void FillFromSettings();
    bool Save();
    bool SaveAs();
    void UseTable();
    // Cancel, Escape and the close button ask first when changes are not saved.
    void reject() override;

    // What the dialog says below the rows: the total, and the problems and warnings.
    QString TotalLine() const;
    QString Note() const;

protected:
    // The file to save to, asked in folder (proposed: the file so far); empty for none.
    virtual QString AskSavePath(const QString& folder, const QString& proposed);
    // A message box titled "Vellorin", and a Yes/No question.
    virtual void ShowMessage(const QString& text);
    virtual bool Confirm(const QString& question);

private:
    struct Field {
        QLineEdit* edit;
        QFormLayout* form;
    };
    // The forms of the hold, the rest and the repeat, their fields in fields_.
    QLayout* BuildRowForm();
    void ShowRow(int row);      // fills the form from the row
    void ShowRows(int select);  // the list from the table, then that row
    void TypedValue(TableValue value);
    void KindChosen();
    void Refresh();  // the current row's line in the list, the total, the note
    QString RowText(int row, const QList<TableProblem>& problems) const;
    // Shows the first problem and puts the cursor in its value; false when there was one.
    bool Runnable();
    void Focus(const TableProblem& problem);
    bool SaveTo(const QString& path);
    int CurrentRow() const;

    RoundsTable table_;
    RoundsTable saved_;  // as in the file, or as given: what Cancel may drop without a question
    std::optional<RoundsTable> written_;
    QString path_;
    std::optional<int> personalBest_;
    const TrainerWindow& window_;
    std::function<QString(const QString&)> programFileName_;

    QLineEdit* name_ = nullptr;
    QComboBox* profile_ = nullptr;
    QLineEdit* intro_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* duplicate_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
    QComboBox* holdEnds_ = nullptr;
    QComboBox* restEnds_ = nullptr;
    std::map<TableValue, Field> fields_;  // the row's values, by what they hold
    QLabel* total_ = nullptr;
    QLabel* note_ = nullptr;
};

}  // namespace vellorin
