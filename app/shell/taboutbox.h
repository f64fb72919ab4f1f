#pragma once

#include <QDialog>

// The About box: the product, its version and its maker.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

extern TAboutBox* AboutBox;
