#include "controls/Modal.h"

namespace {
CDialog::ModalHook& DialogHook()
{
    static CDialog::ModalHook hook;
    return hook;
}
MessageHook& BoxHook()
{
    static MessageHook hook;
    return hook;
}
MessageBoxHook& RealBoxHook()
{
    static MessageBoxHook hook;
    return hook;
}
} // namespace

CDialog::CDialog(QWidget* parent) : QDialog(parent) {}

int CDialog::DoModal()
{
    OnInitDialog();
    if (DialogHook())
        return DialogHook()(*this);
    return exec();
}

void CDialog::SetModalHook(ModalHook hook) { DialogHook() = std::move(hook); }

QMessageBox::StandardButton ShowMessageBox(QWidget* parent, const MessageRequest& request)
{
    if (BoxHook())
        return BoxHook()(request);
    QMessageBox box(request.icon, request.caption, request.text, request.buttons, parent);
    if (RealBoxHook())
        return RealBoxHook()(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void SetMessageHook(MessageHook hook) { BoxHook() = std::move(hook); }

void SetMessageBoxHook(MessageBoxHook hook) { RealBoxHook() = std::move(hook); }
