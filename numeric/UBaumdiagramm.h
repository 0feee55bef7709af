// The layout of the tree diagram of a Bernoulli chain with 2 to 4 stages: node
// positions in image pixels and the unreduced path fractions of the leaves.
#pragma once
#include <string>
#include <vector>

struct TBaumknoten {
    int x = 0, y = 0;          // image pixels, y downwards
    int Vater = -1;            // index into Knoten, -1 = the root
    bool Erfolg = false;       // right (success) or left (failure) child
    int Stufe = 1;             // 1 .. n
    int Pfadzaehler = 0;       // product of the branch numerators along the path
};

struct TBaum {
    int n = 2, Z = 1, N = 3;
    int Wurzel_x = 0, Wurzel_y = 5;
    std::vector<TBaumknoten> Knoten;   // level by level, left to right
    std::string Nenner_Text;           // N to the power n
};

// Fixed pixel offsets from the centre m of the image; the children of a node are its
// failure child (left) and success child (right). False (and an empty tree) unless
// 2 <= n <= 4 and 1 <= Z <= N <= 20.
bool Baum_anlegen(int n, int Z, int N, int m, TBaum& baum);
