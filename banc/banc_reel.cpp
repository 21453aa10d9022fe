#include "banc/banc_reel.h"

namespace optolink::sim {

namespace {

const char* const noms[] = {"A", "B"};

// A simulated interface as an end of the bench; its journal tells what its laser was a moment ago.
class ExtremiteInterface final : public Extremite {
public:
    explicit ExtremiteInterface(InterfaceSimulee& interface) : interface_(interface) {}

    void envoyer(const QByteArray& octets) override { interface_.envoyer(octets); }
    void surReponse(std::function<void(char)> action) override { interface_.surReponse(std::move(action)); }
    void surDisparition(std::function<void()> action) override { interface_.surDisparition(std::move(action)); }
    void regler_usb(const ReglagesUsb& reglages) override { interface_.regler_usb(reglages); }
    void surChangementLaser(std::function<void(const ChangementLaser&)> action) override
    {
        interface_.surChangementLaser(std::move(action));
    }
    bool laser_allume_a(double instant_s) override
    {
        bool allume = interface_.laser_allume();
        const auto& journal = interface_.journal_laser();
        for (auto it = journal.rbegin(); it != journal.rend() && it->instant_s > instant_s; ++it)
            allume = !it->allume;
        return allume;
    }

private:
    InterfaceSimulee& interface_;
};

} // namespace

// Each photodiode has its own noise, drawn from the seed so that a run repeats exactly (the seeds of
// the virtual-time bench).
BancReel::BancReel(const ReglagesLumiere& reglages, std::array<int, 2> numeros, const QString& dossier,
                   const std::array<FabriqueCarte, 2>& cartes)
    : photodiodes_{Photodiode(reglages, reglages.graine), Photodiode(reglages, reglages.graine + 0x9e3779b9u)}
{
    for (int rang = 0; rang < 2; ++rang) {
        const int en_face = 1 - rang;
        // A board's chip starts while it is built: the facing end, not built yet, is dark then.
        auto tension_v = [this, rang, en_face](double instant_s) {
            const bool eclairee = extremites_[en_face] && extremites_[en_face]->laser_allume_a(instant_s);
            return photodiodes_[rang].tension_v(instant_s, eclairee);
        };
        if (cartes[rang]) {
            extremites_[rang] = cartes[rang](temps_, QString::fromLatin1(noms[rang]), tension_v);
        } else {
            interfaces_[rang] = std::make_unique<InterfaceSimulee>(
                temps_, QString::fromLatin1(noms[rang]), [this, tension_v] { return tension_v(temps_.maintenant_s()); });
            extremites_[rang] = std::make_unique<ExtremiteInterface>(*interfaces_[rang]);
        }
    }
    for (int rang = 0; rang < 2; ++rang)
        ports_[rang] = std::make_unique<PortBanc>(*extremites_[rang], numeros[rang], dossier);
}

QString BancReel::erreur() const
{
    for (const auto& port : ports_)
        if (!port->erreur().isEmpty())
            return QStringLiteral("Port n° %1 : %2").arg(port->numero()).arg(port->erreur());
    return {};
}

} // namespace optolink::sim
