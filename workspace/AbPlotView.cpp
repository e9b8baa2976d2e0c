// SPDX-License-Identifier: MIT
#include "workspace/AbPlotView.h"

#include <QPainter>

namespace colorcard {

AbPlotView::AbPlotView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("widget_abPlot"));
    setMinimumSize(190, 210);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

void AbPlotView::setPlot(const AbPlotData& data, const Language& language) {
    data_ = data;
    language_ = language;
    cache_ = QPixmap();
    update();
}

void AbPlotView::clear() {
    data_.reset();
    cache_ = QPixmap();
    update();
}

QSize AbPlotView::sizeHint() const {
    return {330, 260};
}

void AbPlotView::resizeEvent(QResizeEvent* event) {
    cache_ = QPixmap();
    QWidget::resizeEvent(event);
}

void AbPlotView::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (cache_.isNull()) {
        cache_ = QPixmap(size() * ratio);
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(palette().base().color());
        QPainter painter(&cache_);
        painter.setFont(font());
        if (data_)
            paintAbPlot(painter, QRectF(rect()).adjusted(4, 4, -4, -4), *data_, language_);
    }
    QPainter(this).drawPixmap(0, 0, cache_);
}

}  // namespace colorcard
