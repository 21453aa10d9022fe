#include "poste/journal_reception.h"

#include <chrono>

namespace optolink {

Q_LOGGING_CATEGORY(journal_reception, "optolink.reception", QtWarningMsg)

namespace {
double calendrier_s()
{
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

// A reply as it came: the carriage returns and other controls shown, the rest as is.
QString visible(const QString& texte)
{
    QString vu;
    for (const QChar c : texte)
        vu += c == u'\r'         ? QStringLiteral("\\r")
              : c.unicode() < 32 ? QStringLiteral("\\x%1").arg(static_cast<int>(c.unicode()), 2, 16, QChar(u'0'))
                                 : QString(c);
    return vu;
}
} // namespace

void journaliser_tic(double instant_s, const QString& reponse, double tension_v)
{
    if (journal_reception().isDebugEnabled())
        qCDebug(journal_reception).noquote() << QStringLiteral("%1 tic %2 s lu \"%3\" tensionlue %4 V")
                                                    .arg(calendrier_s(), 0, 'f', 6)
                                                    .arg(instant_s, 0, 'f', 6)
                                                    .arg(visible(reponse))
                                                    .arg(tension_v, 0, 'f', 3);
}

void journaliser_impulsion(double debut_s, double fin_s, const QString& sorte)
{
    if (journal_reception().isDebugEnabled())
        qCDebug(journal_reception).noquote() << QStringLiteral("%1 impulsion %2 s à %3 s : %4")
                                                    .arg(calendrier_s(), 0, 'f', 6)
                                                    .arg(debut_s, 0, 'f', 6)
                                                    .arg(fin_s, 0, 'f', 6)
                                                    .arg(sorte);
}

} // namespace optolink
