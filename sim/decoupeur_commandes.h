#pragma once

#include <QByteArray>
#include <QList>

#include <functional>

namespace optolink::sim {

// Splits the bytes an interface receives into laser signals and command lines.
// A command line runs from a 'W' to the next carriage return; every byte inside it, blanks
// included, belongs to the command. Outside a line, byte 0 lights the laser and byte 32
// darkens it; a lone carriage return and any other byte are ignored.
class DecoupeurCommandes {
public:
    // A line longer than this is noise: it is dropped whole when its carriage return comes.
    static constexpr qsizetype longueur_max = 256;

    std::function<void(bool allume)> surLaser;
    std::function<void(const QByteArray& ligne)> surLigne; // without its carriage return

    void octet(char c);

private:
    bool dans_ligne_ = false;
    bool trop_longue_ = false;
    QByteArray ligne_;
};

// The commands of a line: several may follow each other without terminator
// ("WFORMAT 1WASCWBAUDS 0 " holds three); each begins with its 'W'.
QList<QByteArray> commandes_de_ligne(const QByteArray& ligne);

} // namespace optolink::sim
