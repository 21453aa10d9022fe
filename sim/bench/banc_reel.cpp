#include "sim/bench/banc_reel.h"

namespace optolink::sim {

BancReel::BancReel(const ReglagesLumiere& reglages, std::array<int, 2> numeros, const QString& dossier)
    : banc_(temps_, reglages)
{
    for (int rang = 0; rang < 2; ++rang)
        ports_[rang] = std::make_unique<PortBanc>(banc_.interface(rang), numeros[rang], dossier);
}

QString BancReel::erreur() const
{
    for (const auto& port : ports_)
        if (!port->erreur().isEmpty())
            return QStringLiteral("Port n° %1 : %2").arg(port->numero()).arg(port->erreur());
    return {};
}

} // namespace optolink::sim
