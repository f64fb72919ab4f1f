#include "tform1.h"

#include <QFile>

#include "install1definition.h"
#include "installpack/tbackdrop.h"
#include "installpack/tinstall.h"
#include "installpack/trotate3dlabel.h"
#include "installpack/ttranslator.h"

namespace {

std::string ResourceText(const QString& name) {
    QFile file(QStringLiteral(":/installer/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().toStdString();
}

}  // namespace

// The form description: every setting of the window and its components.
TForm1::TForm1()
    : BackDrop1(new installpack::TBackdrop(this)),
      ProductLabel1(
          new installpack::TRotate3DLabel(QStringLiteral("Bodelog V1.0 Installation"), this)),
      MainTranslator(new installpack::TTranslator(this)),
      Install1(new installpack::TInstall(
          this, Install1Definition(ResourceText(QStringLiteral("License.txt")),
                                   ResourceText(QStringLiteral("Readme.txt"))))) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Bodelog V1.0 Installation"));
    setGeometry(200, 108, 435, 300);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    BackDrop1->setObjectName(QStringLiteral("BackDrop1"));
    BackDrop1->setGeometry(0, 0, 427, 273);
    BackDrop1->SetStartColor(QColor(0, 128, 128));
    BackDrop1->SetEndColor(QColor(0, 128, 0));

    ProductLabel1->setObjectName(QStringLiteral("ProductLabel1"));
    ProductLabel1->setGeometry(10, 10, 367, 30);
    QFont arial(QStringLiteral("Arial"), 18);
    arial.setBold(true);
    ProductLabel1->setFont(arial);
    ProductLabel1->SetAShadeLTSet(false);
    ProductLabel1->raise();

    MainTranslator->setObjectName(QStringLiteral("MainTranslator"));
    MainTranslator->SetFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    MainTranslator->SetFontOverride(false);
    Install1->SetTranslator(MainTranslator);
}

TForm1::~TForm1() = default;
