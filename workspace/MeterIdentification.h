#pragma once

#include <QObject>
#include <QString>

class FirstPage;

// Who the attached meter is: the identity request (key information, or the
// older production information), its model in the device settings, the
// maximum number of libraries, the company labels, and the library check
// that shows the meter's libraries or finds that another instrument's
// libraries are stored. Runs on the page whenever a link opens.
class MeterIdentification : public QObject {
    Q_OBJECT
public:
    explicit MeterIdentification(FirstPage& page);

    // type 0: the link opened at start-up; 1: the meter was plugged in.
    void identify(int type);
    // Start-up: shows the libraries when they belong to this meter; when all
    // belong to another one, the arrival check runs.
    void checkAtStartup();
    // Arrival: another meter's library starts the instrument change; this
    // meter's libraries are shown when the table is empty.
    void checkOnArrival();

    // The 32-bit value of a settings cell as the meter reports numbers;
    // text that is no number reads 0.
    static qint64 settingsNumber(const QVariant& value);

signals:
    // Emitted just before the page's instrument-change hook runs.
    void instrumentChangeDetected();
    // Emitted at the end of an identification, just before the page's
    // first-connection hook runs with the instrument identifier.
    void identificationFinished(quint32 instrumentId);

private:
    void showStoredLibraries(const QList<QVariantList>& records);
    void runInstrumentChange();
    void chineseOnly(const QString& text);

    FirstPage& page_;
};
