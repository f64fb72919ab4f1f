#pragma once

#include <QWidget>

namespace installpack {
class TBackdrop;
class TInstall;
class TRotate3DLabel;
class TTranslator;
}  // namespace installpack

// The installer's only window. It has no logic of its own: its components
// carry the whole installation, and Install1 starts it when the window is
// first shown.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1();
    ~TForm1() override;

    installpack::TBackdrop* BackDrop1;
    installpack::TRotate3DLabel* ProductLabel1;
    installpack::TTranslator* MainTranslator;
    installpack::TInstall* Install1;
};
