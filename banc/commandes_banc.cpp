#include "banc/commandes_banc.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <iostream>
#include <string>
#include <thread>

namespace optolink::sim {

void lire_commandes(std::function<void(const QString& ligne)> action)
{
    std::thread([action = std::move(action)] {
        std::string ligne;
        while (std::getline(std::cin, ligne)) {
            const QString texte = QString::fromUtf8(ligne).trimmed();
            QMetaObject::invokeMethod(qApp, [action, texte] { action(texte); }, Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }).detach();
}

} // namespace optolink::sim
