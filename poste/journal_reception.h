#pragma once

#include <QLoggingCategory>
#include <QString>

namespace optolink {

// What a station read and made of it, for the one who must tell a misreading from a bad signal:
// each tick of the EA0 reading (the text that came, the voltage kept) and each pulse a slow
// receiver classified, on the standard error. Off unless Qt's logging rules ask for it
// (QT_LOGGING_RULES="optolink.reception.debug=true"); each line carries the computer's calendar
// time beside the station's clock, so that it can be set beside the bench's journal.
Q_DECLARE_LOGGING_CATEGORY(journal_reception)

void journaliser_tic(double instant_s, const QString& reponse, double tension_v);
void journaliser_impulsion(double debut_s, double fin_s, const QString& sorte);

} // namespace optolink
