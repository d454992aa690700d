// Reverse complement as the whole system defines it: one exchanged pair per row.
#include "model/model.h"

Row revCompRow(Row r) {
    double best = 0.0;
    int col = 0;
    for (int c = 0; c < 4; ++c) {
        if (r[c] > best) {
            best = r[c];
            col = c;
        }
    }
    const int partner = 3 - col;  // A<->T, C<->G
    const double former = r[partner];
    r[partner] = best;
    r[col] = former;
    return r;
}

Matrix getRevCompMotif(const Matrix& m) {
    Matrix out;
    out.reserve(m.size());
    for (auto it = m.rbegin(); it != m.rend(); ++it) out.push_back(revCompRow(*it));
    return out;
}
