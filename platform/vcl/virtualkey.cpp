#include "vcl/virtualkey.h"

#include <Qt>

namespace vcl {

int VirtualKeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Down:
            return VK_DOWN;
        default:
            break;
    }
    const bool letterOrDigit =
        (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9);
    return letterOrDigit ? qtKey : 0;
}

}  // namespace vcl
