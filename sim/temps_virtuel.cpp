#include "sim/temps_virtuel.h"

#include <algorithm>
#include <thread>

namespace optolink::sim {

namespace {

// A yield with nothing to wait for still lets time pass, as a real event loop would.
constexpr double attente_vide_s = 1e-3;

class MinuterieVirtuelle final : public Minuterie {
public:
    explicit MinuterieVirtuelle(TempsVirtuel::Acteur& acteur) : acteur_(acteur) {}

    void setInterval(int interval_ms) override
    {
        interval_ms_ = interval_ms;
        if (actif_)
            armer(acteur_.instant_s());
    }
    int interval() const override { return interval_ms_; }
    void setEnabled(bool actif) override
    {
        if (actif == actif_)
            return;
        actif_ = actif;
        if (actif_)
            armer(acteur_.instant_s());
        else
            annuler();
    }
    bool enabled() const override { return actif_; }

private:
    // Like a precise Qt timer: the next tick is due one interval after the one just due, or one
    // interval after now when the loop was too busy to deliver it in time.
    void armer(double depuis_s)
    {
        annuler();
        const double echeance = depuis_s + interval_ms_ / 1000.0;
        en_attente_ = acteur_.programmer(echeance, [this, echeance] {
            en_attente_ = 0; // running: there is nothing left to cancel, nor to remember as cancelled
            const double maintenant = acteur_.instant_s();
            const double suivante = echeance + interval_ms_ / 1000.0;
            armer(suivante > maintenant ? echeance : maintenant);
            tic();
        });
    }

    void annuler()
    {
        if (en_attente_ != 0)
            acteur_.annuler(en_attente_);
        en_attente_ = 0;
    }

    TempsVirtuel::Acteur& acteur_;
    int interval_ms_ = 30;
    bool actif_ = false;
    std::uint64_t en_attente_ = 0;
};

} // namespace

TempsVirtuel::TempsVirtuel(double pas_lecture_s) : pas_lecture_s_(pas_lecture_s) {}

TempsVirtuel::~TempsVirtuel() = default;

void TempsVirtuel::programmer(double instant_s, std::function<void()> action)
{
    monde_.push({std::max(instant_s, t_monde_), ordre_suivant(), std::move(action)});
}

TempsVirtuel::Acteur& TempsVirtuel::acteur(const std::string& nom)
{
    acteurs_.emplace_back(Acteur(*this, nom));
    acteurs_.back().t_ = t_monde_;
    return acteurs_.back();
}

// The limit is read again after each event: one that wakes the actor moving the time (a byte
// arriving for it) brings its wake-up forward, and the world stops there. Nor does the world go
// past an actor that such an event has woken: it stops, and true says the token must pass.
bool TempsVirtuel::traiter_monde(const double& t, const Acteur* moi)
{
    while (!monde_.empty() && monde_.top().instant <= t) {
        if (moi && derriere(moi, monde_.top().instant))
            return true;
        auto action = monde_.top().action;
        t_monde_ = std::max(t_monde_, monde_.top().instant);
        monde_.pop();
        action();
    }
    t_monde_ = std::max(t_monde_, t);
    return false;
}

bool TempsVirtuel::derriere(const Acteur* moi, double t) const
{
    if (!en_execution_)
        return false;
    for (const auto& autre : acteurs_)
        if (&autre != moi && autre.vivant_ && autre.reveil_ < t)
            return true;
    return false;
}

TempsVirtuel::Acteur* TempsVirtuel::suivant() const
{
    const Acteur* choisi = nullptr;
    for (const auto& a : acteurs_)
        if (a.vivant_ && (!choisi || a.reveil_ < choisi->reveil_))
            choisi = &a;
    return const_cast<Acteur*>(choisi);
}

// Called by the token holder: gives the token to the actor furthest behind, which may be itself.
void TempsVirtuel::passer_la_main(Acteur* moi)
{
    std::unique_lock verrou(mutex_);
    Acteur* prochain = suivant();
    if (prochain && prochain->reveil_ > limite_s_)
        arret_ = true;
    courant_ = arret_ ? nullptr : prochain;
    cv_.notify_all();
    if (moi && moi->vivant_) {
        cv_.wait(verrou, [&] { return courant_ == moi || arret_; });
        if (arret_)
            throw ArretSimulation{};
    }
}

void TempsVirtuel::attendre_la_main(Acteur* moi)
{
    std::unique_lock verrou(mutex_);
    cv_.wait(verrou, [&] { return courant_ == moi || arret_; });
    if (arret_)
        throw ArretSimulation{};
}

bool TempsVirtuel::executer(const std::vector<Corps>& corps, double limite_s)
{
    limite_s_ = limite_s;
    arret_ = false;
    restants_ = static_cast<int>(corps.size());
    for (const auto& c : corps) {
        c.acteur->vivant_ = true;
        c.acteur->t_ = std::max(c.acteur->t_, t_monde_);
        c.acteur->reveil_ = c.acteur->t_;
    }
    en_execution_ = true;
    std::exception_ptr echec;
    std::vector<std::thread> fils;
    for (const auto& c : corps) {
        fils.emplace_back([this, c, &echec] {
            try {
                attendre_la_main(c.acteur);
                c.routine();
            } catch (const ArretSimulation&) {
            } catch (...) {
                std::lock_guard verrou(mutex_);
                if (!echec)
                    echec = std::current_exception();
                arret_ = true;
            }
            c.acteur->vivant_ = false;
            {
                std::lock_guard verrou(mutex_);
                --restants_;
            }
            passer_la_main(nullptr);
        });
    }
    {
        std::unique_lock verrou(mutex_);
        courant_ = suivant();
        cv_.notify_all();
    }
    for (auto& f : fils)
        f.join();
    en_execution_ = false;
    courant_ = nullptr;
    const bool complet = !arret_;
    for (const auto& c : corps)
        c.acteur->vivant_ = false;
    if (echec)
        std::rethrow_exception(echec);
    return complet;
}

TempsVirtuel::Acteur::Acteur(TempsVirtuel& temps, std::string nom)
    : temps_(temps), nom_(std::move(nom))
{
}

void TempsVirtuel::Acteur::avancer_a(double t)
{
    reveil_ = std::max(t, t_);
    do {
        if (temps_.derriere(this, reveil_) || (temps_.en_execution_ && reveil_ > temps_.limite_s_))
            temps_.passer_la_main(this);
    } while (temps_.traiter_monde(reveil_, this));
    t_ = reveil_;
}

double TempsVirtuel::Acteur::maintenant_s()
{
    ++lectures_horloge_;
    avancer_a(t_ + temps_.pas_lecture_s_);
    return t_;
}

std::uint64_t TempsVirtuel::Acteur::programmer(double instant_s, std::function<void()> action)
{
    const auto numero = temps_.ordre_suivant();
    evenements_.push({std::max(instant_s, t_), numero, std::move(action)});
    // A station waiting in a yield wakes for an event that another one schedules earlier.
    if (instant_s < reveil_)
        reveil_ = std::max(instant_s, t_);
    return numero;
}

void TempsVirtuel::Acteur::annuler(std::uint64_t evenement) { annules_.insert(evenement); }

void TempsVirtuel::Acteur::oublier_annules()
{
    while (!evenements_.empty() && annules_.erase(evenements_.top().ordre))
        evenements_.pop();
}

bool TempsVirtuel::Acteur::lancer_evenements_dus()
{
    bool lance = false;
    for (oublier_annules(); !evenements_.empty() && evenements_.top().instant <= t_; oublier_annules()) {
        auto action = evenements_.top().action;
        evenements_.pop();
        lance = true;
        action();
    }
    return lance;
}

double TempsVirtuel::Acteur::prochain_evenement()
{
    oublier_annules();
    return evenements_.empty() ? jamais_s : evenements_.top().instant;
}

void TempsVirtuel::Acteur::ceder(double echeance_s)
{
    ++cessions_;
    if (lancer_evenements_dus())
        return;
    double cible = std::min(prochain_evenement(), echeance_s);
    if (cible == jamais_s)
        cible = t_ + attente_vide_s;
    avancer_a(cible);
    lancer_evenements_dus();
}

std::unique_ptr<Minuterie> TempsVirtuel::Acteur::nouvelle_minuterie()
{
    return std::make_unique<MinuterieVirtuelle>(*this);
}

} // namespace optolink::sim
