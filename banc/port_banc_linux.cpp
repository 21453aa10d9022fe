#include "banc/port_banc.h"

#include "banc/pseudo_terminal.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <sys/inotify.h>
#include <unistd.h>

namespace optolink::sim {

struct PortBanc::Systeme {
    PseudoTerminal pty;
    std::unique_ptr<QSocketNotifier> lecture;
    int surveillance = -1; // inotify, on the pseudo-terminal's slave side
    std::unique_ptr<QSocketNotifier> ouverture;

    void lire(Extremite& extremite);
    void ouvertures(Extremite& extremite);
    // The end's line follows the rate the program set on its side of the pseudo-terminal.
    void suivre_vitesse(Extremite& extremite);
};

PortBanc::PortBanc(Extremite& extremite, int numero, const QString& dossier)
    : interface_(extremite), numero_(numero), systeme_(std::make_unique<Systeme>())
{
    Systeme& s = *systeme_;
    if (!s.pty.ouvert()) {
        erreur_ = s.pty.erreur();
        return;
    }
    if (!preparer_dossier(dossier))
        return;
    if (QFileInfo::exists(lien_)) {
        erreur_ = QStringLiteral("le port n° %1 est déjà servi par un autre banc (%2)").arg(numero_).arg(lien_);
        lien_.clear();
        return;
    }
    QFile::remove(lien_); // a link left behind by a bench that died
    if (!QFile::link(s.pty.chemin_esclave(), lien_)) {
        erreur_ = QStringLiteral("impossible de créer le lien %1").arg(lien_);
        lien_.clear();
        return;
    }
    peripherique_ = s.pty.chemin_esclave();
    s.lecture = std::make_unique<QSocketNotifier>(s.pty.maitre(), QSocketNotifier::Read);
    QObject::connect(s.lecture.get(), &QSocketNotifier::activated, [this] { systeme_->lire(interface_); });
    const int maitre = s.pty.maitre();
    interface_.surReponse([maitre](char c) {
        // Nobody reading and the buffer full: the byte is lost, as on a real line.
        [[maybe_unused]] const auto n = ::write(maitre, &c, 1);
    });
    interface_.surDisparition([this] { retirer(); });
    // The bench holds the slave side open already: the openings seen from now on are the program's.
    s.surveillance = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (s.surveillance >= 0 && inotify_add_watch(s.surveillance, peripherique_.toLocal8Bit().constData(), IN_OPEN) >= 0) {
        s.ouverture = std::make_unique<QSocketNotifier>(s.surveillance, QSocketNotifier::Read);
        QObject::connect(s.ouverture.get(), &QSocketNotifier::activated, [this] { systeme_->ouvertures(interface_); });
    }
}

PortBanc::~PortBanc()
{
    interface_.surDisparition(nullptr);
    retirer();
}

void PortBanc::retirer()
{
    Systeme& s = *systeme_;
    interface_.surReponse(nullptr);
    s.lecture.reset();
    s.ouverture.reset();
    if (s.surveillance >= 0)
        ::close(s.surveillance);
    s.surveillance = -1;
    if (!lien_.isEmpty() && QFile::symLinkTarget(lien_) == s.pty.chemin_esclave())
        QFile::remove(lien_);
    lien_.clear();
    s.pty.fermer();
}

void PortBanc::Systeme::ouvertures(Extremite& extremite)
{
    alignas(inotify_event) char tampon[1024];
    bool ouvert = false;
    for (;;) {
        const auto n = ::read(surveillance, tampon, sizeof tampon);
        if (n <= 0)
            break;
        for (const char* p = tampon; p < tampon + n;) {
            const auto* evenement = reinterpret_cast<const inotify_event*>(p);
            ouvert = ouvert || (evenement->mask & IN_OPEN);
            p += sizeof(inotify_event) + evenement->len;
        }
    }
    if (!ouvert)
        return;
    // The program sets its port's rate as it opens it, before this is told: a board it restarts
    // greets at that rate, not at the one the last program left.
    suivre_vitesse(extremite);
    extremite.ouverture_du_port();
}

void PortBanc::Systeme::suivre_vitesse(Extremite& extremite)
{
    if (const int bauds = pty.vitesse_bauds(); bauds > 0)
        extremite.regler_vitesse(bauds);
}

void PortBanc::Systeme::lire(Extremite& extremite)
{
    char tampon[4096];
    for (;;) {
        const auto n = ::read(pty.maitre(), tampon, sizeof tampon);
        if (n > 0) {
            // The bytes go at the rate the program's port had when it wrote them, near enough.
            suivre_vitesse(extremite);
            extremite.envoyer(QByteArray(tampon, n));
            continue;
        }
        // EAGAIN: all read. Anything else would come back at every turn of the loop: stop listening.
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            lecture->setEnabled(false);
        if (n < 0 && errno == EINTR)
            continue;
        return;
    }
}

} // namespace optolink::sim
