#include "mail/win/MailSettingsDialog.h"

#include "MailSettingsIds.h"
#include "base/WipedText.h"
#include "mail/win/MailCredential.h"
#include "mail/MailSetupPage.h"
#include "mail/win/MailSenders.h"
#include "pages/win/PageFolder.h"
#include "pages/win/PageWindow.h"
#include "win/ComboBox.h"
#include "win/MessageBoxes.h"
#include "win/ToolTips.h"
#include "win/WaitCursor.h"

namespace {

// The set-up page window's size in 96-dpi pixels.
const int kMailSetupWidth = 640, kMailSetupHeight = 480;

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kYellow = RGB(255, 255, 0);

const int kServerFields[] = {IDC_MAIL_SERVER, IDC_MAIL_PORT, IDC_MAIL_SECURITY, IDC_MAIL_USER,
                             IDC_MAIL_PASSWORD, IDC_MAIL_FROM, IDC_MAIL_TEST};

const struct {
    int controlId;
    const char* text;
} kLabels[] = {{IDC_MAIL_SERVER_LABEL, "Server:"},    {IDC_MAIL_PORT_LABEL, "Port:"},
               {IDC_MAIL_SECURITY_LABEL, "Security:"}, {IDC_MAIL_USER_LABEL, "User name:"},
               {IDC_MAIL_PASSWORD_LABEL, "Password:"}, {IDC_MAIL_FROM_LABEL, "Sender:"}};

const struct {
    MailField field;
    int controlId;
} kFieldControls[] = {{MailField::server, IDC_MAIL_SERVER},
                      {MailField::port, IDC_MAIL_PORT},
                      {MailField::user, IDC_MAIL_USER},
                      {MailField::password, IDC_MAIL_PASSWORD},
                      {MailField::from, IDC_MAIL_FROM}};

} // namespace

MailSettingsDialog::MailSettingsDialog(MailSettingsModel& model) : Dialog(IDD_MAIL_SETTINGS), model_(model)
{
    OnClicked(IDC_MAIL_USE_MAPI, [this] { MethodClicked(MailMethod::mapi); });
    OnClicked(IDC_MAIL_USE_SERVER, [this] { MethodClicked(MailMethod::smtp); });
    OnCommand(IDC_MAIL_SECURITY, CBN_SELCHANGE, [this] { SecurityChanged(); });
    OnClicked(IDC_MAIL_TEST, [this] { SendTestMail(); });
    OnClicked(IDC_MAIL_HELP, [this] {
        ShowPageModal(Handle(), WriteMailSetupPage(ProgramPageFolder()), kMailSetupTitle, kMailSetupWidth,
                      kMailSetupHeight);
    });
    for (int field : {IDC_MAIL_SERVER, IDC_MAIL_PORT, IDC_MAIL_USER})
        OnCommand(field, EN_CHANGE, [this] { ShowPasswordHint(); });
}

void MailSettingsDialog::OnInitDialog()
{
    UseBoldFont({IDC_MAIL_REASON, IDC_MAIL_USE_MAPI, IDC_MAIL_USE_SERVER, IDC_MAIL_SERVER_LABEL, IDC_MAIL_SERVER,
                 IDC_MAIL_PORT_LABEL, IDC_MAIL_PORT, IDC_MAIL_SECURITY_LABEL, IDC_MAIL_SECURITY, IDC_MAIL_USER_LABEL,
                 IDC_MAIL_USER, IDC_MAIL_PASSWORD_LABEL, IDC_MAIL_PASSWORD, IDC_MAIL_FROM_LABEL, IDC_MAIL_FROM,
                 IDC_MAIL_TEST, IDOK, IDCANCEL});
    for (const auto& label : kLabels) {
        SetItemText(label.controlId, label.text);
        SetLabelColour(label.controlId, kWhite);
    }
    for (int choice : {IDC_MAIL_USE_MAPI, IDC_MAIL_USE_SERVER})
        SetLabelColour(choice, kWhite);
    SetLabelColour(IDC_MAIL_REASON, kYellow);
    SetLabelColour(IDC_MAIL_PASSWORD_HINT, kWhite);
    for (int field : {IDC_MAIL_SERVER, IDC_MAIL_USER, IDC_MAIL_PASSWORD, IDC_MAIL_FROM})
        LimitItemText(field, static_cast<int>(kMailFieldLimit));
    LimitItemText(IDC_MAIL_PORT, 5);
    ComboBox security(Handle(), IDC_MAIL_SECURITY);
    for (const std::string& entry : SecurityEntries())
        security.Add(entry);
    SetItemText(IDC_MAIL_REASON, model_.reason);
    if (model_.reason.empty())
        CloseUpOverReason();
    PushValues();
    ShowPasswordHint();
    Tips().Add(IDC_MAIL_TEST, "send a mail to the sender address through this server");
    Tips().Activate(true);
}

// Opened by its button there is no reason to give: the rest moves up into
// its place, so no blank band stands over the choices.
void MailSettingsDialog::CloseUpOverReason()
{
    HWND reason = Item(IDC_MAIL_REASON);
    ShowWindow(reason, SW_HIDE);
    RECT above{}, first{};
    GetWindowRect(reason, &above);
    GetWindowRect(Item(IDC_MAIL_USE_MAPI), &first);
    const int shift = first.top - above.top;
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
        SetWindowPos(child, nullptr, place.left, place.top - shift, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    SetWindowPos(Handle(), nullptr, frame.left, frame.top + shift / 2, frame.right - frame.left,
                 frame.bottom - frame.top - shift, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MailSettingsDialog::ReadFields()
{
    model_.server = ItemText(IDC_MAIL_SERVER);
    model_.portText = ItemText(IDC_MAIL_PORT);
    model_.user = ItemText(IDC_MAIL_USER);
    WipeText(model_.password);
    model_.password = ItemText(IDC_MAIL_PASSWORD);
    model_.from = ItemText(IDC_MAIL_FROM);
}

// The stored password follows its server, port and user name: the hint says
// at once when a change leaves it behind.
void MailSettingsDialog::ShowPasswordHint()
{
    // The fields' own changes while they are filled are not the user's.
    if (pushing_)
        return;
    model_.server = ItemText(IDC_MAIL_SERVER);
    model_.portText = ItemText(IDC_MAIL_PORT);
    model_.user = ItemText(IDC_MAIL_USER);
    SetItemText(IDC_MAIL_PASSWORD_HINT, model_.PasswordHint());
}

void MailSettingsDialog::PushValues()
{
    pushing_ = true;
    CheckItem(IDC_MAIL_USE_MAPI, model_.method == MailMethod::mapi);
    CheckItem(IDC_MAIL_USE_SERVER, model_.method == MailMethod::smtp);
    SetItemText(IDC_MAIL_SERVER, model_.server);
    SetItemText(IDC_MAIL_PORT, model_.portText);
    ComboBox(Handle(), IDC_MAIL_SECURITY).Select(model_.securityIndex);
    SetItemText(IDC_MAIL_USER, model_.user);
    SetItemText(IDC_MAIL_FROM, model_.from);
    for (int field : kServerFields)
        EnableItem(field, model_.ServerFieldsEnabled());
    pushing_ = false;
}

void MailSettingsDialog::MethodClicked(MailMethod method)
{
    ReadFields();
    model_.MethodChosen(method);
    PushValues();
}

void MailSettingsDialog::SecurityChanged()
{
    ReadFields();
    model_.SecuritySelected(ComboBox(Handle(), IDC_MAIL_SECURITY).Selection());
    PushValues();
}

bool MailSettingsDialog::ReadAndCheck()
{
    ReadFields();
    const MailRefusal refusal = model_.CheckForSave();
    if (refusal.text.empty())
        return true;
    ShowMessage(refusal.text, MessageKind::Error);
    // The box gives the keys back where they were (Save, after a click);
    // the user goes on in the field that was refused, its text selected.
    for (const auto& entry : kFieldControls)
        if (entry.field == refusal.field)
            FocusItem(entry.controlId);
    return false;
}

void MailSettingsDialog::SendTestMail()
{
    if (!ReadAndCheck())
        return;
    const MailSettings settings = model_.Settings();
    // Sending stores nothing: only Save keeps a typed password.
    WipedText password;
    if (model_.HasNewPassword())
        password.Text() = model_.password;
    else
        ReadMailPassword(settings, password.Text());
    std::unique_ptr<ServerMailSender> sender = CreateServerSender(settings, password.Text());
    {
        WaitCursor wait;
        OutgoingMail mail;
        mail.recipients = {settings.from};
        mail.originator = "Oracline";
        mail.subject = kTestMailSubject;
        mail.body = kTestMailBody;
        sender->Send(mail);
    }
    const SmtpOutcome& outcome = sender->Outcome();
    ShowMessage(TestMailAnswer(outcome, settings),
                outcome.kind == SmtpOutcome::sent ? MessageKind::Information : MessageKind::Error);
}

void MailSettingsDialog::OnOK()
{
    if (!ReadAndCheck())
        return;
    // The password first: when the Credential Manager refuses it, nothing has
    // changed yet, and Cancel still leaves the settings as they were.
    if (model_.method == MailMethod::smtp && model_.HasNewPassword() &&
        !StoreMailPassword(model_.Settings(), model_.password)) {
        ShowMessage(kMailPasswordNotStoredMessage, MessageKind::Error);
        return;
    }
    if (!WriteMailSettings(AccountMailSettingsPath(), model_.Settings())) {
        ShowMessage(kMailSettingsNotSavedMessage, MessageKind::Error);
        return;
    }
    End(IDOK);
}

bool RunMailSettings(HWND owner, const std::string& reason)
{
    MailSettingsModel model(ReadAccountMailSettings(), StoredMailPasswordBinding());
    model.reason = reason;
    // Opened because mail has no way out: the server is what is missing.
    if (!reason.empty())
        model.MethodChosen(MailMethod::smtp);
    MailSettingsDialog dialog(model);
    const bool saved = dialog.RunModal(owner) == IDOK;
    WipeText(model.password);
    return saved;
}
