// Operations of the matrix group as plain data; declared in numeric/UMatrixOps.h.
#include "numeric/UMatrixOps.h"

#include "numeric/URref_Kern.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

const char* const Matrixoperation_Namen[Matrixoperationen_Anzahl] = {
    "C=rref(A)", "det(A)", "C=A^n", "C=A^(-1)", "ASCII --> A", "En --> Cursor", "Nn --> Cursor",
    "C=A^T", "C=A*B", "C=A^n*B", "A --> ASCII", "C=r*A", "C=B*A", "rang(A)",
};

namespace {

constexpr const char* Nicht_quadratisch = "Matrix nicht quadratisch !";
constexpr const char* Ueberlauf =
    "Das Ergebnis übersteigt den Zahlenbereich (Überlauf) !";

// [A | E] of the largest square matrix: 41 rows and 82 columns, addressed from (1, 1).
using Breite_Matrix = std::array<std::array<Extended, 2 * Matrix_Spalten_hoechstens + 1>, Matrix_Zeilen_hoechstens + 1>;

bool Quadratisch(const Matrixeingabe& e, Matrixergebnis& r) {
    if (e.m == e.q) return true;
    r.Meldung = Nicht_quadratisch;
    return false;
}

void Matrix_setzen(Matrixergebnis& r, const Matrix& C, int zeilen, int spalten) {
    r.Matrix_da = true;
    r.C = C;
    r.Zeilen = zeilen;
    r.Spalten = spalten;
}

bool Endlich(const Matrix& C, int m, int n) {
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= n; ++j)
            if (!std::isfinite(C[i][j]) || std::fabs(C[i][j]) == std::numeric_limits<Extended>::max()) return false;
    return true;
}

// A^n·B or A^n; false with the overflow message.
bool Potenz_von_A(const Matrixeingabe& e, Matrix& P, Matrixergebnis& r) {
    bool ok = true;
    P = Matrix_Potenz(e.A, e.m, e.n, ok);
    if (ok && Endlich(P, e.m, e.m)) return true;
    r.Meldung = Ueberlauf;
    return false;
}

bool Produkt(const Matrix& P, const Matrix& Q, int m, int k, int p, Matrixergebnis& r) {
    bool ok = true;
    Matrix C = Matrix_Produkt(P, Q, m, k, p, ok);
    if (!ok || !Endlich(C, m, p)) {
        r.Meldung = Ueberlauf;
        return false;
    }
    Matrix_setzen(r, C, m, p);
    return true;
}

void Produkte(Matrixoperation op, const Matrixeingabe& e, Matrixergebnis& r) {
    if ((op == Matrixoperation::A_mal_B || op == Matrixoperation::An_mal_B) && e.q != e.mB) {
        r.Meldung = "Spaltenzahl A <> Zeilenzahl B";
        return;
    }
    if (op == Matrixoperation::B_mal_A && e.qB != e.m) {
        r.Meldung = "Spaltenzahl B <> Zeilenzahl A";
        return;
    }
    if (op == Matrixoperation::A_mal_B) {
        r.Titel = "C=A*B";
        Produkt(e.A, e.B, e.m, e.q, e.qB, r);
    } else if (op == Matrixoperation::B_mal_A) {
        r.Titel = "C=B*A";
        Produkt(e.B, e.A, e.mB, e.qB, e.q, r);
    } else {
        if (!Quadratisch(e, r)) return;
        r.Titel = "C=A^" + e.n_text + "*B";
        Matrix P;
        if (Potenz_von_A(e, P, r)) Produkt(P, e.B, e.m, e.m, e.qB, r);
    }
}

}  // namespace

bool Liest_B(Matrixoperation op) {
    return op == Matrixoperation::A_mal_B || op == Matrixoperation::An_mal_B || op == Matrixoperation::B_mal_A;
}

Extended Null_Toleranz(const Matrix& A, int m, int n) {
    return 1e-12L * rref_kern::Groesster_Betrag(A, m, n);
}

bool Matrix_invertieren(const Matrix& A, int m, Matrix& C) {
    if (m < 1 || m > Matrix_Spalten_hoechstens) return false;
    // The tolerance comes from A alone: the ones of E must not swamp a small A.
    const Extended toleranz = Null_Toleranz(A, m, m);
    Breite_Matrix W{};
    for (int i = 1; i <= m; ++i) {
        for (int j = 1; j <= m; ++j) W[i][j] = A[i][j];
        W[i][m + i] = 1;
    }
    // A column of A passed over without a pivot leaves the left half short of the identity.
    int k = 0;
    bool luecke = false;
    const int pivots = rref_kern::Reduzieren(W, m, 2 * m, toleranz, [&](int code, int, int spalte) {
        if (code == 1 && ++k != spalte) luecke = true;
    });
    if (luecke || pivots < m) return false;
    Matrix R{};
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= m; ++j) R[i][j] = W[i][m + j];
    if (!Endlich(R, m, m)) return false;
    C = R;
    return true;
}

Matrixergebnis Matrix_berechnen(Matrixoperation op, const Matrixeingabe& e) {
    Matrixergebnis r;
    switch (op) {
    case Matrixoperation::rref: {
        r.Titel = "rref(A)";
        Matrix C = e.A;
        Matrix_rref_relativ(C, e.m, e.q);
        Matrix_setzen(r, C, e.m, e.q);
        break;
    }
    case Matrixoperation::det:
        if (!Quadratisch(e, r)) break;
        r.Titel = "det(A) = ";
        r.Titel_unter_A = false;
        r.Zahl_da = true;
        r.Zahl = Determinante(e.A, e.m);
        break;
    case Matrixoperation::Potenz: {
        if (!Quadratisch(e, r)) break;
        r.Titel = "C=A^" + e.n_text;
        Matrix P;
        if (Potenz_von_A(e, P, r)) Matrix_setzen(r, P, e.m, e.m);
        break;
    }
    case Matrixoperation::Inverse: {
        if (!Quadratisch(e, r)) break;
        Matrix C;
        if (!Matrix_invertieren(e.A, e.m, C)) {
            r.Meldung = "Matrix singulär. Inverse existiert nicht !";
            break;
        }
        r.Titel = "C=A^(-1)";
        Matrix_setzen(r, C, e.m, e.m);
        break;
    }
    case Matrixoperation::Transponiert: {
        bool ok = false;
        Matrix C = Matrix_transponieren(e.A, e.m, e.q, ok);
        if (!ok) {
            r.Meldung = "Die Transponierte hätte " + std::to_string(e.m) +
                        " Spalten, eine Matrix höchstens 41 !";
            break;
        }
        r.Titel = "C=A^T";
        Matrix_setzen(r, C, e.q, e.m);
        break;
    }
    case Matrixoperation::A_mal_B:
    case Matrixoperation::An_mal_B:
    case Matrixoperation::B_mal_A:
        Produkte(op, e, r);
        break;
    case Matrixoperation::r_mal_A: {
        Matrix C = Matrix_mal_Zahl(e.A, e.m, e.q, e.r);
        if (!Endlich(C, e.m, e.q)) {
            r.Meldung = Ueberlauf;
            break;
        }
        r.Titel = "C=r*A";
        Matrix_setzen(r, C, e.m, e.q);
        break;
    }
    case Matrixoperation::Rang:
        r.Titel = "rang(A) = ";
        r.Titel_unter_A = false;
        r.Zahl_da = true;
        r.Zahl = Rang(e.A, e.m, e.q);
        break;
    default:
        r.Meldung = "Diese Operation braucht keine Matrix A.";
        break;
    }
    if (!r.Meldung.empty()) {
        r.Matrix_da = r.Zahl_da = false;
        r.Titel.clear();
    }
    return r;
}

// ---- text <-> Windows-1252 codes ------------------------------------------------

namespace {

// Code points of the Windows-1252 codes 128 .. 159; 0 where the code is unassigned
// (those codes stand for the control character of the same number).
constexpr char32_t Cp1252_80[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

char32_t Zeichen_von_Code(int code) {
    if (code >= 0x80 && code <= 0x9F && Cp1252_80[code - 0x80] != 0) return Cp1252_80[code - 0x80];
    return char32_t(code);
}

int Code_von_Zeichen(char32_t z) {
    if (z < 0x80 || (z >= 0xA0 && z <= 0xFF)) return int(z);
    for (int i = 0; i < 32; ++i)
        if (Cp1252_80[i] == z) return 0x80 + i;
    if (z >= 0x80 && z <= 0x9F) return int(z);   // an unassigned code written as its control character
    return '?';
}

// Next code point of a UTF-8 text; a malformed sequence counts as one unknown character.
char32_t Naechstes_Zeichen(const std::string& s, size_t& i) {
    const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = b(i);
    int laenge = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (laenge == 0 || i + size_t(laenge) > s.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t z = laenge == 1 ? c : c & (0x7F >> laenge);
    for (int k = 1; k < laenge; ++k) {
        if ((b(i + size_t(k)) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        z = (z << 6) | (b(i + size_t(k)) & 0x3F);
    }
    i += size_t(laenge);
    return z;
}

void Utf8_anhaengen(std::string& s, char32_t z) {
    if (z < 0x80) {
        s += char(z);
    } else if (z < 0x800) {
        s += char(0xC0 | (z >> 6));
        s += char(0x80 | (z & 0x3F));
    } else {
        s += char(0xE0 | (z >> 12));
        s += char(0x80 | ((z >> 6) & 0x3F));
        s += char(0x80 | (z & 0x3F));
    }
}

}  // namespace

int Text_in_Matrix(const std::string& text, int n, Matrix& A, std::string& meldung) {
    meldung.clear();
    if (n < 1 || n > Matrix_Spalten_hoechstens) {
        meldung = "n = " + std::to_string(n) + ": eine Codezeile hat 1 bis 41 Zeichen !";
        return 0;
    }
    std::vector<int> codes;
    for (size_t i = 0; i < text.size();) codes.push_back(Code_von_Zeichen(Naechstes_Zeichen(text, i)));
    if (codes.empty() || (codes.size() == 1 && codes[0] == ' ')) return 0;
    const int zeilen = int((codes.size() + size_t(n) - 1) / size_t(n));
    if (zeilen > Matrix_Zeilen_hoechstens) {
        meldung = "Text zu lang: " + std::to_string(codes.size()) + " Zeichen, bei n = " + std::to_string(n) +
                  " passen höchstens " + std::to_string(Matrix_Zeilen_hoechstens * n) + " in Matrix A !";
        return 0;
    }
    Matrix M{};
    for (int i = 1; i <= zeilen; ++i)
        for (int j = 1; j <= n; ++j) {
            size_t k = size_t(i - 1) * size_t(n) + size_t(j - 1);
            M[i][j] = k < codes.size() ? codes[k] : 32;
        }
    A = M;
    return zeilen;
}

std::string Matrix_in_Text(const Matrix& A, int m, int n) {
    std::string text;
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= n; ++j) {
            // Low 8 bits of the integer part, also for values far beyond any integer type.
            Extended rest = std::fmod(std::trunc(A[i][j]), Extended(256));
            if (!std::isfinite(rest)) rest = 0;
            int code = int(rest);
            if (code < 0) code += 256;
            Utf8_anhaengen(text, Zeichen_von_Code(code));
        }
    return text;
}
