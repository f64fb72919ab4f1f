#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;
class QProgressBar;

namespace installpack {

// Shown while files are copied: the file, its progress and the progress of
// the whole installation, with a Cancel button that stops it.
class TCopyFileDlg : public QDialog {
    Q_OBJECT
public:
    explicit TCopyFileDlg(QWidget* parent);

    void ShowFile(const QString& fileName, const QString& target);
    void ShowProgress(std::uint64_t fileDone, std::uint64_t fileSize, std::uint64_t totalDone,
                      std::uint64_t totalSize);
    bool CancelRequested() const { return cancelled_; }
    void Reset();

signals:
    // A file began; tests act at a given file through it.
    void FileShown(const QString& fileName);

private:
    QLabel* file_;
    QProgressBar* fileProgress_;
    QProgressBar* totalProgress_;
    bool cancelled_ = false;
};

}  // namespace installpack
