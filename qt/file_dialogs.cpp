#include "qt/file_dialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include "qt/file_errors.h"

namespace belegix {

std::optional<QString> AskOpenName(QWidget* parent, const QString& title, const QString& folder,
                                   const QString& filter) {
    const QString file = QFileDialog::getOpenFileName(parent, title, folder, filter, nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (file.isEmpty()) return std::nullopt;
    return file;
}

std::optional<QString> AskSaveName(QWidget* parent, const QString& title, const QString& proposed,
                                   const QString& filter, const QString& extension) {
    SaveNameDialog dialog(parent, title, proposed, filter, extension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    QString file = dialog.selectedFiles().constFirst();
    // A name in a folder that does not exist keeps its own spelling in the dialog.
    if (!file.endsWith(extension, Qt::CaseInsensitive)) file += extension;
    return file;
}

SaveNameDialog::SaveNameDialog(QWidget* parent, const QString& title, const QString& proposed,
                               const QString& filter, const QString& extension)
    : QFileDialog(parent, title, proposed, filter), extension_(extension) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
}

void SaveNameDialog::accept() {
    const QStringList files = selectedFiles();
    if (files.size() == 1 && !files.front().isEmpty()) {
        const QFileInfo chosen(files.front());
        if (!chosen.isDir()) {
            QString name = chosen.fileName();
            if (!name.endsWith(extension_, Qt::CaseInsensitive)) {
                name += extension_;
                // The dialog reads the name back from its field: the question whether to
                // replace a file is then asked about this one.
                selectFile(chosen.absoluteDir().filePath(name));
            }
            if (QFile::encodeName(name).size() > MaxSavableNameBytes(chosen.absolutePath())) {
                const std::string_view reason = ReasonText(SaveProblem::NameTooLong);
                QMessageBox::warning(
                    this, windowTitle(),
                    QString::fromUtf8(reason.data(), static_cast<qsizetype>(reason.size())));
                return;
            }
        }
    }
    QFileDialog::accept();
}

}  // namespace belegix
