#include "installpack/ttranslator.h"

#include <QWidget>

namespace installpack {

void TTranslator::Apply(QWidget& dialog) const {
    if (!fontOverride_) {
        dialog.setFont(font_);
    }
}

}  // namespace installpack
