#include "installpack/tinstalldialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace installpack {

TInstallDialog::TInstallDialog(QWidget* parent, const QString& name, const QString& heading,
                               Buttons buttons)
    : QDialog(parent), body_(new QVBoxLayout), next_(new QPushButton(this)) {
    setObjectName(name);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(heading, this);
    title->setObjectName(QStringLiteral("HeadingLabel"));
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    title->setFont(bold);
    layout->addWidget(title);
    layout->addLayout(body_, 1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    layout->addLayout(row);

    if (buttons == Buttons::Finish) {
        next_->setText(tr("&Finish"));
        next_->setObjectName(QStringLiteral("FinishButton"));
    } else {
        auto* back = new QPushButton(tr("< &Back"), this);
        back->setObjectName(QStringLiteral("BackButton"));
        back->setEnabled(buttons == Buttons::Wizard);
        row->addWidget(back);
        connect(back, &QPushButton::clicked, this, [this] {
            step_ = Step::Back;
            accept();
        });
        next_->setText(tr("&Next >"));
        next_->setObjectName(QStringLiteral("NextButton"));
    }
    next_->setDefault(true);
    row->addWidget(next_);
    connect(next_, &QPushButton::clicked, this, [this] {
        step_ = Step::Next;
        accept();
    });
    if (buttons != Buttons::Finish) {
        auto* cancel = new QPushButton(tr("Cancel"), this);
        cancel->setObjectName(QStringLiteral("CancelButton"));
        row->addWidget(cancel);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    }
    resize(480, 360);
}

TInstallDialog::Step TInstallDialog::StepAfter(vcl::ModalResult result) const {
    return result == vcl::ModalResult::OK ? step_ : Step::Cancel;
}

TTextDialog::TTextDialog(QWidget* parent, const QString& name, const QString& heading,
                         Buttons buttons, const QString& text, bool scrolling)
    : TInstallDialog(parent, name, heading, buttons) {
    if (scrolling) {
        edit_ = new QPlainTextEdit(this);
        edit_->setObjectName(QStringLiteral("TextMemo"));
        edit_->setReadOnly(true);
        Body()->addWidget(edit_);
    } else {
        label_ = new QLabel(this);
        label_->setObjectName(QStringLiteral("TextLabel"));
        label_->setWordWrap(true);
        label_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        Body()->addWidget(label_, 1);
    }
    SetText(text);
}

void TTextDialog::SetText(const QString& text) {
    if (edit_ != nullptr) {
        edit_->setPlainText(text);
    } else {
        label_->setText(text);
    }
}

}  // namespace installpack
