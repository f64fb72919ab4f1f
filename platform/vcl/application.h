#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <concepts>
#include <exception>
#include <functional>
#include <optional>
#include <utility>

#include "help/helpcommands.h"
#include "vcl/helpcontext.h"

class QDialog;
class QWidget;

// The application object: title, help file, the standard error box, help
// commands, and every modal run of the program (forms, message boxes, the
// open dialog). Modal runs go through one place so that tests can answer
// them with a scripted responder and still take the program's own paths.
namespace vcl {

class HelpKeyFilter;

enum class ModalResult { None, OK, Cancel, Yes, No };
enum class MessageIcon { Information, Warning, Stop };
enum class MessageButtons { OK, YesNo };

// Help commands, with the values the program passes.
using help::HELP_CONTEXT;
using help::HELP_FINDER;
using help::HELP_KEY;

struct MessageRequest {
    QString text;
    QString caption;
    MessageButtons buttons = MessageButtons::OK;
    MessageIcon icon = MessageIcon::Information;
    ModalResult defaultButton = ModalResult::OK;
};

// What the open dialog is told.
struct OpenDialogRequest {
    QString title;
    QString filter;            // "Description|*.EXT", one entry
    QString defaultExtension;  // added to a typed name that has none
    bool fileMustExist = true;
};

// Answers modal runs in tests instead of a user.
class ModalResponder {
public:
    virtual ~ModalResponder() = default;
    // The form is fully set up, as it would be shown; the responder may
    // fill its controls and press its buttons, then returns the result the
    // form's exec() would have returned.
    virtual ModalResult RunForm(QDialog& form) = 0;
    virtual ModalResult ShowMessage(const MessageRequest& request) = 0;
    // The chosen file's full path, or nothing for Cancel.
    virtual std::optional<QString> ChooseFile(const OpenDialogRequest& request) = 0;
    // Help commands are reported here rather than opening the viewer.
    virtual void HelpCommand(const QString& helpFile, int command, const QString& data) = 0;
};

// Shows a help file's topic, contents or keyword search for a window.
using HelpHandler =
    std::function<void(const QString& helpFile, int command, const QString& data, QWidget* owner)>;

// There is one per run, made after the QApplication and before the forms.
// Handlers are guarded one by one (Guard, Bind) rather than by a notify()
// override: that keeps each error's box inside the handler that raised it.
class TApplication : public QObject {
    Q_OBJECT
public:
    // Throws std::logic_error when another application object exists.
    TApplication();
    ~TApplication() override;

    // The one application object of the run; std::logic_error when there is none.
    static TApplication& Instance();

    QString Title() const { return title_; }
    void SetTitle(const QString& title);
    QString HelpFile() const { return helpFile_; }
    void SetHelpFile(const QString& helpFile) { helpFile_ = helpFile; }

    ModalResult ShowModal(QDialog& form);
    ModalResult MessageBox(const MessageRequest& request);
    std::optional<QString> RunOpenDialog(const OpenDialogRequest& request, QWidget* owner);

    // The standard error box: the message followed by a full stop, caption
    // Title(), stop icon, OK.
    void ShowException(const std::exception& error);

    // Runs a handler; an exception it raises ends it and is shown in the
    // standard error box. Every binding of a handler to a signal goes
    // through here, so no exception ever reaches Qt's event loop.
    template <typename Handler>
    void Guard(Handler&& handler) {
        try {
            std::forward<Handler>(handler)();
        } catch (const std::exception& error) {
            ShowException(error);
        }
    }

    // HELP_FINDER, HELP_KEY (data: keyword, may be empty) or HELP_CONTEXT
    // (data: the context number) for the application's help file. Goes to
    // the responder when there is one, else to the help handler; without
    // either it does nothing.
    void HelpCommand(int command, const QString& data, QWidget* owner);
    void SetHelpHandler(HelpHandler handler) { helpHandler_ = std::move(handler); }

    // Tests install a responder; nullptr returns to real dialogs.
    void SetResponder(ModalResponder* responder) { responder_ = responder; }

private:
    QString title_;
    QString helpFile_;
    ModalResponder* responder_ = nullptr;
    HelpHandler helpHandler_;
    HelpKeyFilter* helpKeys_;
};

// The application object, as handlers reach it.
inline TApplication& Application() {
    return TApplication::Instance();
}

// Connects a signal to a handler through the application's guard. The
// handler takes the signal's leading arguments, as many as it wants (none at
// all, like a handler that ignores them); the constraint lets Qt find how
// many, as it does for a plain lambda.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection Bind(Sender* sender, Signal signal, Receiver* context, Handler handler) {
    return QObject::connect(
        sender, signal, context,
        [handler = std::move(handler)](
            auto&&... args) mutable requires std::invocable<Handler&, decltype(args)...> {
            Application().Guard([&] { handler(std::forward<decltype(args)>(args)...); });
        });
}

}  // namespace vcl
