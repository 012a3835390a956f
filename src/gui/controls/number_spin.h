#pragma once
// A spin box whose edit always shows the number it stands for: whatever the
// edit is given (typed, pasted, erased) is rewritten at once as the number its
// reading makes of it, so the value never lags behind the text. Typed
// characters other than the digits do not get in; the editing keys and
// shortcuts work as usual. The wheel turns it only while it has the focus, so
// a page that scrolls under the pointer is not edited by accident.
#include <QSpinBox>
#include <functional>

namespace norvane {

// The arrows' share of a spin box's width beside its edit, at the design face.
inline constexpr int kSpinArrowsWidth = 16;

class TNumberSpin : public QSpinBox {
public:
    // What a text stands for, already within [min, max].
    using Reading = std::function<int(const QString& text)>;

    TNumberSpin(int min, int max, int maxLength, Reading read, QWidget* parent = nullptr);

    // The edit, to be named and measured like any other.
    using QSpinBox::lineEdit;

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

protected:
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    Reading read_;
};

}  // namespace norvane
