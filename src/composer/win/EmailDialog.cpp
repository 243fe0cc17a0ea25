#include "composer/win/EmailDialog.h"

#include "EmailDialogIds.h"
#include "composer/win/ContactDialog.h"
#include "mail/win/MailSettingsDialog.h"
#include "composer/win/QuickResizeDialog.h"
#include "composer/win/ScaleImage.h"
#include "win/ListView.h"
#include "win/MessageBoxes.h"
#include "win/Theme.h"
#include "win/ToolTips.h"

#include <commctrl.h>

#include <utility>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);

const struct {
    int controlId;
    const char* text;
} kTips[] = {
    {IDC_EMAIL_ADD_CONTACT, "add email contact"},
    {IDC_EMAIL_EDIT_CONTACT, "edit email contact"},
    {IDC_EMAIL_DELETE_CONTACT, "delete email contact"},
    {IDC_EMAIL_ADD_TO, "select email contact"},
    {IDC_EMAIL_CONTACT_LIST, "all contacts"},
    {IDOK, "email daily report"},
    {IDC_EMAIL_CLEAR, "clear to, subject and message fields"},
    {IDCANCEL, "cancel and close"},
    {IDC_EMAIL_TO, "email recipient(s)"},
    {IDC_EMAIL_SUBJECT, "subject"},
    {IDC_EMAIL_MESSAGE, "message"},
    {IDC_EMAIL_MAIL_SETTINGS, "mail program or mail server"},
};

const ImageSizeReader kReadImageSize = ReadImageSize;
const UINT kShowOpeningMessage = WM_APP + 1;

} // namespace

EmailDialog::EmailDialog(EmailComposer& composer, std::string contactsPath, std::string openingMessage)
    : Dialog(IDD_EMAIL), composer_(composer), contactsPath_(std::move(contactsPath)),
      openingMessage_(std::move(openingMessage))
{
    OnWindowMessage(kShowOpeningMessage, [this](WPARAM, LPARAM) {
        // The modal loop shows the dialog only once its queue is empty,
        // which is after this message.
        ShowWindow(Handle(), SW_SHOW);
        UpdateWindow(Handle());
        ShowMessage(openingMessage_, MessageKind::Error);
        return 0;
    });
    OnClicked(IDC_EMAIL_ADD_CONTACT, [this] { AddContact(); });
    OnClicked(IDC_EMAIL_EDIT_CONTACT, [this] { EditContact(); });
    OnClicked(IDC_EMAIL_DELETE_CONTACT, [this] { DeleteContact(); });
    OnClicked(IDC_EMAIL_ADD_TO, [this] { AddToRecipients(); });
    OnClicked(IDC_EMAIL_CLEAR, [this] { Clear(); });
    OnClicked(IDC_EMAIL_RESIZE_REPORT, [this] { ResizeReportClicked(); });
    OnClicked(IDC_EMAIL_RESIZE, [this] { Resize(); });
    OnClicked(IDC_EMAIL_MAIL_SETTINGS, [this] { RunMailSettings(Handle(), ""); });
    OnNotify(IDC_EMAIL_CONTACT_LIST, NM_CLICK, [this](NMHDR*) { ListClicked(); });
    OnNotify(IDC_EMAIL_CONTACT_LIST, NM_DBLCLK, [this](NMHDR*) {
        ListClicked();
        if (composer_.contacts.RowButtonsEnabled())
            EditContact();
    });
}

void EmailDialog::OnInitDialog()
{
    UseBoldFont({IDC_EMAIL_TO_LABEL, IDC_EMAIL_TO, IDC_EMAIL_ADD_TO, IDC_EMAIL_SUBJECT_LABEL, IDC_EMAIL_SUBJECT,
                 IDC_EMAIL_MESSAGE_LABEL, IDC_EMAIL_MESSAGE, IDC_EMAIL_ATTACHED_LABEL, IDC_EMAIL_NAME_LABEL,
                 IDC_EMAIL_FILE_NAME, IDC_EMAIL_SIZE_LABEL, IDC_EMAIL_SIZE, IDC_EMAIL_RESOLUTION_LABEL,
                 IDC_EMAIL_RESOLUTION, IDC_EMAIL_RESIZE_REPORT, IDC_EMAIL_RESIZE, IDC_EMAIL_MAIL_SETTINGS, IDOK, IDC_EMAIL_CLEAR, IDCANCEL,
                 IDC_EMAIL_CONTACTS_LABEL, IDC_EMAIL_ADD_CONTACT, IDC_EMAIL_EDIT_CONTACT, IDC_EMAIL_DELETE_CONTACT,
                 IDC_EMAIL_CONTACT_LIST});
    for (int label : {IDC_EMAIL_TO_LABEL, IDC_EMAIL_SUBJECT_LABEL, IDC_EMAIL_MESSAGE_LABEL})
        SetLabelColour(label, kWhite);
    for (int label : {IDC_EMAIL_ATTACHED_LABEL, IDC_EMAIL_CONTACTS_LABEL})
        SetLabelColour(label, kGreen);
    for (int label : {IDC_EMAIL_NAME_LABEL, IDC_EMAIL_SIZE_LABEL, IDC_EMAIL_RESOLUTION_LABEL})
        SetLabelColour(label, kYellow);
    SetLabelColour(IDC_EMAIL_RESIZE_REPORT, kBlue);
    LimitItemText(IDC_EMAIL_TO, static_cast<int>(kToTextLimit));
    LimitItemText(IDC_EMAIL_SUBJECT, static_cast<int>(kSubjectLimit));
    LimitItemText(IDC_EMAIL_MESSAGE, static_cast<int>(kMessageLimit));

    ListView list(Handle(), IDC_EMAIL_CONTACT_LIST);
    list.AddColumn(0, "Name", 110);
    list.AddColumn(1, "Email Address", 177);
    list.FitColumns();
    list.UseThemeColours();
    composer_.ReadContacts(contactsPath_);
    composer_.DescribeAttachment(kReadImageSize);
    PushContacts();
    PushValues();

    Tips().Activate(true);
    for (const auto& tip : kTips)
        Tips().Add(tip.controlId, tip.text);
    // Shown once the composer is on screen, so the box stands over it.
    if (!openingMessage_.empty())
        PostMessageA(Handle(), kShowOpeningMessage, 0, 0);
}

void EmailDialog::ReadFields()
{
    composer_.toText = ItemText(IDC_EMAIL_TO);
    composer_.subject = ItemText(IDC_EMAIL_SUBJECT);
    composer_.message = ItemText(IDC_EMAIL_MESSAGE);
}

void EmailDialog::PushValues()
{
    SetItemText(IDC_EMAIL_TO, composer_.toText);
    SetItemText(IDC_EMAIL_SUBJECT, composer_.subject);
    SetItemText(IDC_EMAIL_MESSAGE, composer_.message);
    SetItemText(IDC_EMAIL_FILE_NAME, composer_.fileName);
    SetItemText(IDC_EMAIL_SIZE, composer_.sizeText);
    SetItemText(IDC_EMAIL_RESOLUTION, composer_.resolutionText);
    EnableItem(IDC_EMAIL_RESIZE_REPORT, composer_.resizeCheckEnabled);
    CheckItem(IDC_EMAIL_RESIZE_REPORT, composer_.resizeButtonShown);
    EnableItem(IDC_EMAIL_RESIZE, composer_.resizeButtonEnabled);
    ShowWindow(Item(IDC_EMAIL_RESIZE), composer_.resizeButtonShown ? SW_SHOW : SW_HIDE);
    const bool rowButtons = composer_.contacts.RowButtonsEnabled();
    for (int button : {IDC_EMAIL_EDIT_CONTACT, IDC_EMAIL_DELETE_CONTACT, IDC_EMAIL_ADD_TO})
        EnableItem(button, rowButtons);
}

void EmailDialog::PushContacts()
{
    ListView list(Handle(), IDC_EMAIL_CONTACT_LIST);
    for (int row = list.Count() - 1; row >= 0; --row)
        list.DeleteRow(row);
    for (const Contact& contact : composer_.contacts.Rows())
        list.AppendRow({contact.name, contact.address});
    if (composer_.contacts.Selected() >= 0) {
        list.SelectOnly(composer_.contacts.Selected());
        SetFocus(list.Handle());
    }
}

void EmailDialog::ListClicked()
{
    const std::vector<int> selected = ListView(Handle(), IDC_EMAIL_CONTACT_LIST).SelectedRows();
    composer_.contacts.Clicked(selected.empty() ? -1 : selected.front());
    if (!selected.empty())
        ListView(Handle(), IDC_EMAIL_CONTACT_LIST).SelectOnly(selected.front());
    PushValues();
}

void EmailDialog::AddContact()
{
    ContactDialog dialog;
    if (dialog.RunModal(Handle()) != IDOK)
        return;
    ReadFields();
    const std::string refusal = composer_.contacts.Add(dialog.Result());
    if (!refusal.empty())
        ShowMessage(refusal, MessageKind::Error);
    else
        PushContacts();
    PushValues();
}

void EmailDialog::EditContact()
{
    const Contact* row = composer_.contacts.SelectedContact();
    if (!row)
        return;
    ContactDialog dialog(*row);
    if (dialog.RunModal(Handle()) != IDOK)
        return;
    ReadFields();
    composer_.contacts.Edit(dialog.Result());
    PushContacts();
    PushValues();
}

void EmailDialog::DeleteContact()
{
    ReadFields();
    composer_.contacts.Delete();
    PushContacts();
    PushValues();
}

void EmailDialog::AddToRecipients()
{
    ReadFields();
    const std::string refusal = composer_.AddSelectedContact();
    if (!refusal.empty())
        ShowMessage(refusal, MessageKind::Error);
    PushValues();
}

void EmailDialog::Clear()
{
    ReadFields();
    composer_.Clear();
    PushValues();
}

void EmailDialog::ResizeReportClicked()
{
    ReadFields();
    composer_.ToggleResizeButton();
    PushValues();
}

void EmailDialog::Resize()
{
    QuickResizeDialog dialog(composer_.attachmentPath);
    if (dialog.RunModal(Handle()) != IDOK || !dialog.Resized())
        return;
    ReadFields();
    composer_.UseResizedCopy(dialog.OutputPath(), ResizedCopyName(composer_.attachmentPath), kReadImageSize);
    PushValues();
}

void EmailDialog::OnOK()
{
    ReadFields();
    bool askResize = false;
    const std::string refusal = composer_.CheckForEmail(askResize);
    if (!refusal.empty()) {
        ShowMessage(refusal, MessageKind::Error);
        return;
    }
    if (askResize && AskQuestion(kResizeQuestion))
        Resize();
    Close(IDOK);
}

void EmailDialog::OnCancel()
{
    composer_.Cancel();
    Close(IDCANCEL);
}

void EmailDialog::Close(INT_PTR result)
{
    if (!composer_.SaveChangedContacts(contactsPath_))
        ShowMessage(kContactsNotSavedMessage, MessageKind::Error);
    composer_.contacts.Clear();
    End(result);
}
