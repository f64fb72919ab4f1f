#pragma once

#include <QDialog>

#include "vcl/application.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace installpack {

// The frame every wizard dialog of the pack shares: a heading, a body the
// dialog fills, and Back, Next and Cancel (or one Finish) at the bottom.
// The dialog remembers whether it was left forwards or backwards.
class TInstallDialog : public QDialog {
    Q_OBJECT
public:
    enum class Step { Next, Back, Cancel };
    enum class Buttons { Wizard, FirstPage, Finish };

    TInstallDialog(QWidget* parent, const QString& name, const QString& heading, Buttons buttons);

    // Called before each showing: a dialog closed with OK and no button
    // pressed goes forwards.
    void Reset() { step_ = Step::Next; }
    Step StepAfter(vcl::ModalResult result) const;
    // Whether the dialog's entries let the wizard go on; it says why not.
    virtual bool Validate() { return true; }

protected:
    QVBoxLayout* Body() const { return body_; }
    QPushButton* NextButton() const { return next_; }

private:
    Step step_ = Step::Next;
    QVBoxLayout* body_;
    QPushButton* next_;
};

// A dialog of the pack that only shows text: the greeting, the licence,
// the readme, the completion and the incompletion.
class TTextDialog : public TInstallDialog {
    Q_OBJECT
public:
    TTextDialog(QWidget* parent, const QString& name, const QString& heading, Buttons buttons,
                const QString& text, bool scrolling);
    void SetText(const QString& text);

private:
    QLabel* label_ = nullptr;
    QPlainTextEdit* edit_ = nullptr;
};

}  // namespace installpack
