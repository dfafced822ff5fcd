// The file dialogs of the plan and of the PDF page: Qt's own dialogs (German through Qt's
// translation, whatever dialogs the desktop would offer), and a save dialog that asks before
// replacing a file under the name really written and refuses a name that could not be saved
// again.
#pragma once

#include <QFileDialog>
#include <QString>
#include <optional>

namespace belegix {

// A file chosen for opening, or nothing when the student cancelled.
std::optional<QString> AskOpenName(QWidget* parent, const QString& title, const QString& folder,
                                   const QString& filter);

// A file chosen for saving, ending in `extension` (".belegix"), or nothing when cancelled.
std::optional<QString> AskSaveName(QWidget* parent, const QString& title, const QString& proposed,
                                   const QString& filter, const QString& extension);

// The save dialog of AskSaveName, not yet shown. "Speichern" first adds `extension` to a name
// without it, so that the question whether to replace an existing file is asked about the file
// that will be written; a name too long to be saved again (MaxSavableNameBytes) is refused with
// a box, and the dialog stays open.
class SaveNameDialog : public QFileDialog {
  public:
    SaveNameDialog(QWidget* parent, const QString& title, const QString& proposed,
                   const QString& filter, const QString& extension);
    void accept() override;

  private:
    QString extension_;
};

}  // namespace belegix
