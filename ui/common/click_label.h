#pragma once

#include <QColor>
#include <QLabel>
#include <optional>

namespace dakru::ui {

// A text or picture label that reports clicks (press and release on it) and
// mouse moves, with an optional opaque fill and a thin border.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickLabel(QWidget* parent);

    void setFill(std::optional<QColor> fill);
    void setBorder(std::optional<QColor> border);
    std::optional<QColor> fill() const { return fill_; }

signals:
    void clicked();
    void moved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QColor> fill_;
    std::optional<QColor> border_;
    bool pressed_ = false;
};

}  // namespace dakru::ui
