#pragma once
// The small linear solvers of the Gauss-Newton step: Cramer's rule for two
// unknowns, LU factorisation with partial pivoting for three or four. Neither
// tests for a singular matrix: a zero pivot gives non-finite steps, which the
// fit rejects like any other unacceptable trial.

namespace pk {

inline double AbsValue(double x)
{
    return x < 0.0 ? -x : x;
}

// Column-oriented elimination. The multipliers -a(i,k) / a(k,k) are stored in
// place below the diagonal; row swaps touch column k and the columns after it
// only, and pivot[k] records the row swapped with row k.
template <int N>
inline void LUDecompose(double (&a)[N][N], int (&pivot)[N])
{
    for (int k = 0; k < N; ++k) {
        int l = k;
        double largest = AbsValue(a[k][k]);
        for (int i = k + 1; i < N; ++i) {
            if (AbsValue(a[i][k]) > largest) {
                largest = AbsValue(a[i][k]);
                l = i;
            }
        }
        pivot[k] = l;
        const double t = a[l][k];
        a[l][k] = a[k][k];
        a[k][k] = t;
        for (int i = k + 1; i < N; ++i)
            a[i][k] = -a[i][k] / a[k][k];
        for (int j = k + 1; j < N; ++j) {
            if (l != k) {
                const double u = a[l][j];
                a[l][j] = a[k][j];
                a[k][j] = u;
            }
            for (int i = k + 1; i < N; ++i)
                a[i][j] = a[i][j] + a[i][k] * a[k][j];
        }
    }
}

template <int N>
inline void LUSolve(const double (&a)[N][N], const int (&pivot)[N], double (&b)[N])
{
    for (int k = 0; k < N; ++k) {
        const int l = pivot[k];
        const double t = b[l];
        b[l] = b[k];
        b[k] = t;
        for (int i = k + 1; i < N; ++i)
            b[i] = b[i] + a[i][k] * b[k];
    }
    b[N - 1] = b[N - 1] / a[N - 1][N - 1];
    for (int k = N - 2; k >= 0; --k) {
        for (int i = 0; i <= k; ++i)
            b[i] = b[i] - a[i][k + 1] * b[k + 1];
        b[k] = b[k] / a[k][k];
    }
}

// Solves a x = b in place of b.
template <int N>
inline void SolveSmall(double (&a)[N][N], double (&b)[N])
{
    if constexpr (N == 2) {
        const double det = a[0][0] * a[1][1] - a[0][1] * a[1][0];
        const double x1 = (a[1][1] * b[0] - a[0][1] * b[1]) / det;
        const double x2 = (a[0][0] * b[1] - a[1][0] * b[0]) / det;
        b[0] = x1;
        b[1] = x2;
    } else {
        int pivot[N];
        LUDecompose(a, pivot);
        LUSolve(a, pivot, b);
    }
}

} // namespace pk
