#pragma once

#include <QDialog>

// Shown while the program loads; the user cannot close it.
class TSplashForm : public QDialog {
    Q_OBJECT
public:
    TSplashForm();
};
