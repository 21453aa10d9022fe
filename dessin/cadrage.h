#pragma once

namespace optolink {

// The part of a recording a view shows, in seconds from its first sample.
struct Cadrage {
    double debut_s = 0;
    double fin_s = 1;
    double duree_s() const { return fin_s - debut_s; }
};

// Zoom and pan of a recording of duree_totale_s seconds, never wider than the recording, never
// narrower than plus_petit_s, never outside it.
class Cadreur {
public:
    Cadreur(double duree_totale_s, double plus_petit_s);
    Cadrage ajuste() const { return {0, duree_totale_s_}; }
    // facteur > 1 zooms in, keeping autour_s where it is on screen.
    Cadrage zoomer(Cadrage c, double facteur, double autour_s) const;
    Cadrage deplacer(Cadrage c, double decalage_s) const;

private:
    Cadrage borner(Cadrage c) const;
    double duree_totale_s_;
    double plus_petit_s_;
};

} // namespace optolink
