#pragma once

#include <QFont>
#include <QObject>

namespace installpack {

// The font the pack's dialogs use for every language. No translation is
// chosen, so the dialogs keep their own English texts; FontOverride would
// let each dialog keep its own font instead.
class TTranslator : public QObject {
    Q_OBJECT
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(bool FontOverride READ FontOverride WRITE SetFontOverride)
public:
    explicit TTranslator(QObject* parent) : QObject(parent) {}

    QFont Font() const { return font_; }
    void SetFont(const QFont& font) { font_ = font; }
    bool FontOverride() const { return fontOverride_; }
    void SetFontOverride(bool on) { fontOverride_ = on; }

    // Gives a dialog the translator's font unless the dialog keeps its own.
    void Apply(QWidget& dialog) const;

private:
    QFont font_;
    bool fontOverride_ = false;
};

}  // namespace installpack
