// SPDX-License-Identifier: MIT
#include "workspace/AbPlotView.h"

#include <QPainter>

AbPlotView::AbPlotView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("widget_abPlot"));
    setMinimumSize(190, 210);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

void AbPlotView::setPlot(const AbPlotData& data, const Language& language) {
    data_ = data;
    language_ = language;
    update();
}

void AbPlotView::clear() {
    data_.reset();
    update();
}

QSize AbPlotView::sizeHint() const {
    return {330, 260};
}

void AbPlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (data_)
        paintAbPlot(painter, QRectF(rect()).adjusted(4, 4, -4, -4), *data_, language_);
}
