// Modal windows go through here, so that tests can answer them without a
// nested event loop.
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QStringList>
#include <functional>

// A dialog whose set-up runs every time it is opened, as each opening
// creates its window anew. The object itself lives on between openings.
class CDialog : public QDialog {
    Q_OBJECT
public:
    explicit CDialog(QWidget* parent = nullptr);

    // Runs OnInitDialog, then the dialog modally; returns its result code
    // (QDialog::Accepted or QDialog::Rejected).
    int DoModal();

    // With a hook set, DoModal calls it after the set-up instead of
    // running a loop; the hook returns the dialog's result.
    using ModalHook = std::function<int(CDialog&)>;
    static void SetModalHook(ModalHook hook);

protected:
    virtual void OnInitDialog() {}
};

struct MessageRequest {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

// A message box; returns the button the user chose.
QMessageBox::StandardButton ShowMessageBox(QWidget* parent, const MessageRequest& request);

using MessageHook = std::function<QMessageBox::StandardButton(const MessageRequest&)>;
void SetMessageHook(MessageHook hook);

// With this hook set (and no message hook), ShowMessageBox builds the real
// box and hands it to the hook instead of running its loop: tests read its
// buttons, the screenshots take its picture. The hook returns the button.
using MessageBoxHook = std::function<QMessageBox::StandardButton(QMessageBox&)>;
void SetMessageBoxHook(MessageBoxHook hook);

// The file dialog that asks where to save: the caption, the name proposed
// (with its folder) and the file types offered ("Obraz PNG (*.png)").
struct SaveFileRequest {
    QString caption;
    QString fileName;
    QStringList filters;
};

struct SaveFileAnswer {
    QString path;     // empty when the user cancelled
    int filter = 0;   // the type chosen, an index into the request's filters
};

SaveFileAnswer GetSaveFileName(QWidget* parent, const SaveFileRequest& request);

using SaveFileHook = std::function<SaveFileAnswer(const SaveFileRequest&)>;
void SetSaveFileHook(SaveFileHook hook);
