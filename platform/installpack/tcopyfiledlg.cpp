#include "installpack/tcopyfiledlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace installpack {

namespace {

int Percent(std::uint64_t done, std::uint64_t size) {
    return size == 0 ? 100 : static_cast<int>(std::min<std::uint64_t>(100, done * 100 / size));
}

}  // namespace

TCopyFileDlg::TCopyFileDlg(QWidget* parent)
    : QDialog(parent),
      file_(new QLabel(this)),
      fileProgress_(new QProgressBar(this)),
      totalProgress_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("CopyFileDlg2"));
    setWindowTitle(tr("Copying Files"));
    auto* layout = new QVBoxLayout(this);
    file_->setObjectName(QStringLiteral("FileLabel"));
    fileProgress_->setObjectName(QStringLiteral("FileProgress"));
    totalProgress_->setObjectName(QStringLiteral("TotalProgress"));
    layout->addWidget(file_);
    layout->addWidget(fileProgress_);
    layout->addWidget(new QLabel(tr("Total:"), this));
    layout->addWidget(totalProgress_);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    layout->addWidget(cancel, 0, Qt::AlignRight);
    connect(cancel, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    resize(420, 160);
}

void TCopyFileDlg::Reset() {
    cancelled_ = false;
    fileProgress_->setValue(0);
    totalProgress_->setValue(0);
    file_->clear();
}

void TCopyFileDlg::ShowFile(const QString& fileName, const QString& target) {
    file_->setText(tr("Copying %1\nto %2").arg(fileName, target));
    fileProgress_->setValue(0);
    emit FileShown(fileName);
}

void TCopyFileDlg::ShowProgress(std::uint64_t fileDone, std::uint64_t fileSize,
                                std::uint64_t totalDone, std::uint64_t totalSize) {
    fileProgress_->setValue(Percent(fileDone, fileSize));
    totalProgress_->setValue(Percent(totalDone, totalSize));
}

}  // namespace installpack
