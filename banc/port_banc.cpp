#include "banc/port_banc.h"

#include "liaison/ports.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/inotify.h>
#include <unistd.h>

namespace optolink::sim {

PortBanc::PortBanc(Extremite& interface, int numero, const QString& dossier)
    : interface_(interface), numero_(numero)
{
    if (!pty_.ouvert()) {
        erreur_ = pty_.erreur();
        return;
    }
    if (!publier(dossier))
        return;
    lecture_ = std::make_unique<QSocketNotifier>(pty_.maitre(), QSocketNotifier::Read);
    QObject::connect(lecture_.get(), &QSocketNotifier::activated, [this] { lire(); });
    const int maitre = pty_.maitre();
    interface_.surReponse([maitre](char c) {
        // Nobody reading and the buffer full: the byte is lost, as on a real line.
        [[maybe_unused]] const auto n = ::write(maitre, &c, 1);
    });
    interface_.surDisparition([this] { retirer(); });
    // The bench holds the slave side open already: the openings seen from now on are the program's.
    surveillance_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (surveillance_ >= 0 && inotify_add_watch(surveillance_, pty_.chemin_esclave().toLocal8Bit().constData(), IN_OPEN) >= 0) {
        ouverture_ = std::make_unique<QSocketNotifier>(surveillance_, QSocketNotifier::Read);
        QObject::connect(ouverture_.get(), &QSocketNotifier::activated, [this] { ouvertures(); });
    }
}

PortBanc::~PortBanc()
{
    interface_.surDisparition(nullptr);
    retirer();
}

void PortBanc::retirer()
{
    interface_.surReponse(nullptr);
    lecture_.reset();
    ouverture_.reset();
    if (surveillance_ >= 0)
        ::close(surveillance_);
    surveillance_ = -1;
    if (!lien_.isEmpty() && QFile::symLinkTarget(lien_) == pty_.chemin_esclave())
        QFile::remove(lien_);
    lien_.clear();
    pty_.fermer();
}

bool PortBanc::publier(const QString& dossier)
{
    if (!QDir().mkpath(dossier)) {
        erreur_ = QStringLiteral("impossible de créer le dossier %1").arg(dossier);
        return false;
    }
    QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString lien = QDir(dossier).filePath(nom_lien_banc(numero_));
    if (QFileInfo::exists(lien)) {
        erreur_ = QStringLiteral("le port n° %1 est déjà servi par un autre banc (%2)").arg(numero_).arg(lien);
        return false;
    }
    QFile::remove(lien); // a link left behind by a bench that died
    if (!QFile::link(pty_.chemin_esclave(), lien)) {
        erreur_ = QStringLiteral("impossible de créer le lien %1").arg(lien);
        return false;
    }
    lien_ = lien;
    return true;
}

void PortBanc::ouvertures()
{
    alignas(inotify_event) char tampon[1024];
    bool ouvert = false;
    for (;;) {
        const auto n = ::read(surveillance_, tampon, sizeof tampon);
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
    suivre_vitesse();
    interface_.ouverture_du_port();
}

void PortBanc::suivre_vitesse()
{
    if (const int bauds = pty_.vitesse_bauds(); bauds > 0)
        interface_.regler_vitesse(bauds);
}

void PortBanc::lire()
{
    char tampon[4096];
    for (;;) {
        const auto n = ::read(pty_.maitre(), tampon, sizeof tampon);
        if (n > 0) {
            // The bytes go at the rate the program's port had when it wrote them, near enough.
            suivre_vitesse();
            interface_.envoyer(QByteArray(tampon, n));
            continue;
        }
        // EAGAIN: all read. Anything else would come back at every turn of the loop: stop listening.
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            lecture_->setEnabled(false);
        if (n < 0 && errno == EINTR)
            continue;
        return;
    }
}

} // namespace optolink::sim
