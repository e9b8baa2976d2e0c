// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

#include "report/AbPlot.h"

namespace colorcard {

// The a*b* plot of the quality page, painted by the same code as the report.
class AbPlotView : public QWidget {
    Q_OBJECT
public:
    explicit AbPlotView(QWidget* parent = nullptr);

    // Nothing is drawn until a standard is shown.
    void setPlot(const AbPlotData& data, const Language& language);
    void clear();
    const std::optional<AbPlotData>& data() const { return data_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::optional<AbPlotData> data_;
    // The plot as last painted: exposing the widget again only copies it.
    QPixmap cache_;
    Language language_;
};

}  // namespace colorcard
