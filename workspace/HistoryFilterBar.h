// SPDX-License-Identifier: MIT
#pragma once

#include <QVector>
#include <QWidget>

#include "store/QualityStore.h"
#include "texts/Language.h"

class QCheckBox;
class QComboBox;
class QDateEdit;

namespace colorcard {

// Which comparisons the history lists: one lot or all, the standard on show
// or all, a range of dates or all.
class HistoryFilterBar : public QWidget {
    Q_OBJECT
public:
    explicit HistoryFilterBar(QWidget* parent = nullptr);

    void setLanguage(const Language& language);
    void setLots(const QVector<Lot>& lots);
    // The standard given is the one the "this standard" box means.
    HistoryFilter filter(const QString& libraryId, const QString& colourId, int limit) const;
    qint64 lotId() const;

signals:
    void changed();

private:
    QComboBox* lot_ = nullptr;
    QCheckBox* standard_ = nullptr;
    QCheckBox* dates_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    Language language_ = Language::chinese();
};

}  // namespace colorcard
