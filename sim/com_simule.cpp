#include "sim/com_simule.h"

namespace optolink::sim {

ComSimule::ComSimule(InterfaceSimulee& interface, Ordonnanceur& temps) : interface_(interface), temps_(temps)
{
    interface_.surDisparition([this] { debrancher(); });
}

ComSimule::~ComSimule()
{
    interface_.surDisparition(nullptr);
    if (ouvert_)
        interface_.surReponse(nullptr);
}

QString ComSimule::peripherique() const { return QStringLiteral("interface simulée ") + interface_.nom(); }

bool ComSimule::setPortOpen(bool ouvert)
{
    if (!ouvert) {
        if (ouvert_)
            interface_.surReponse(nullptr);
        ouvert_ = false;
        return true;
    }
    if (ouvert_)
        return true;
    if (numero_ < 1) {
        erreur_ = QStringLiteral("Impossible d'ouvrir le port COM%1 : aucun port ne porte ce numéro.").arg(numero_);
        return false;
    }
    if (debranche_) {
        erreur_ = QStringLiteral("Impossible d'ouvrir le port COM%1 (%2) : l'interface est débranchée.")
                      .arg(numero_)
                      .arg(peripherique());
        return false;
    }
    erreur_.clear();
    recus_.clear();
    reveil_ = true;
    interface_.surReponse([this](char c) {
        recus_.append(c);
        if (reception_ && reveil_)
            reception_();
    });
    ouvert_ = true;
    return true;
}

bool ComSimule::regler_vitesse(int bauds)
{
    if (!ouvert_)
        return false;
    reglages_ = QString::number(bauds) + reglages_.mid(reglages_.indexOf(u','));
    return true;
}

void ComSimule::output(const QByteArray& octets)
{
    if (ouvert_)
        interface_.envoyer(octets);
}

QByteArray ComSimule::input()
{
    if (!ouvert_)
        return {};
    const qsizetype n = longueur_entree_ == 1 ? std::min<qsizetype>(1, recus_.size()) : recus_.size();
    QByteArray lus = recus_.first(n);
    recus_.remove(0, n);
    return lus;
}

void ComSimule::debrancher()
{
    if (debranche_)
        return;
    debranche_ = true;
    if (!ouvert_)
        return;
    setPortOpen(false);
    signalerPerte(QStringLiteral("La liaison avec l'%1 est perdue : l'interface a été débranchée.").arg(peripherique()));
}

void ComSimule::debrancher_a(double instant_s)
{
    temps_.programmer(instant_s, [this] { debrancher(); });
}

} // namespace optolink::sim
