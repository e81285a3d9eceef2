#!/usr/bin/env python3
"""High-precision reference solutions for a geosynthetic tube on a rigid flat foundation.

Half cross-section, symmetric about x = 0.  The membrane (constant tension T) lies
flat on the foundation over the base width b, leaves it at (b/2, 0) with tangent
angle 0 and reaches the crest (0, H) with angle pi:
    dtheta/ds = p(y)/T,  dx/ds = cos(theta),  dy/ds = sin(theta),
    p(y) = pc + integral_y^H g,   g = inside unit weight - outside unit weight.
Vertical force balance gives T (1 - cos theta(y)) = P(y) := integral_0^y p, so with
Q(y) := integral_y^H p = 2T - P(y):
    cos theta = (T - P)/T,   sin theta = sqrt(P Q)/T,   ds = T dy / sqrt(P Q).
Every output is an integral over y of that measure.  P and Q are evaluated as sums of
positive terms (never as 2T - P), so the crest stays accurate even when pc/p0 is
1e-200, and the endpoint singularities of ds are removed by substitutions.
This is deliberately independent of any closed-form (elliptic integral) solution.

Run:  python3 tests/tools/tube_reference.py   (prints a C++ initializer listing)
Units: m, kN, kPa, kN/m3, tension kN/m.
"""
import sys
import time
from mpmath import mp, mpf, sqrt, sinh, asinh, log, exp, pi, cos, sin, quad, findroot, odefun, nstr

mp.dps = 40


class Load:
    """Piecewise constant net unit weight g(y) from one or two slurry layers and outside fluids."""

    def __init__(self, gsl, gsu=None, hs=None, gfl=0, hf=0, gfu=0):
        self.layers = 1 if gsu is None else 2
        self.gsl, self.gsu = mpf(gsl), mpf(gsl if gsu is None else gsu)
        self.hs = None if gsu is None else mpf(hs)
        self.gfl, self.hf, self.gfu = mpf(gfl), mpf(hf), mpf(gfu)

    def interfaces(self):
        return sorted(z for z in (self.hs, self.hf) if z is not None and z > 0)

    def g(self, y):
        inside = self.gsu if self.hs is not None and y > self.hs else self.gsl
        outside = self.gfl if y < self.hf else self.gfu
        return inside - outside

    def zones(self, H):
        """Breakpoints 0 < interfaces < H and the g of each zone in between."""
        zs = [mpf(0)] + [z for z in self.interfaces() if z < H] + [mpf(H)]
        return zs, [self.g((a + b) / 2) for a, b in zip(zs, zs[1:])]

    def height_for(self, T, pc):
        """H solving pc*H + integral_0^H y g(y) dy = 2T (left side increases with H)."""
        zs = [mpf(0)] + self.interfaces() + [mp.inf]
        acc = mpf(0)  # pc*z + integral_0^z y g
        for z0, z1 in zip(zs, zs[1:]):
            g = self.g(z0 + 1 if z1 == mp.inf else (z0 + z1) / 2)
            nxt = acc + pc * (z1 - z0) + g * (z1 ** 2 - z0 ** 2) / 2 if z1 != mp.inf else mp.inf
            if nxt >= 2 * T:
                R, p1 = 2 * T - acc, pc + g * z0
                return z0 + 2 * R / (p1 + sqrt(p1 ** 2 + 2 * g * R))  # stable quadratic root
            acc = nxt


class Profile:
    """Equilibrium shape for a given crest pressure pc and height H (T follows from them)."""

    def __init__(self, load, pc, H):
        self.load, self.pc, self.H = load, mpf(pc), mpf(H)
        self.zs, self.gs = load.zones(self.H)
        self._nodes()
        self.T = self.P[-1] / 2
        # split a zone at the height of maximum width (theta = pi/2, P = T) so it is a node
        i = max(k for k in range(len(self.zs) - 1) if self.P[k] <= self.T)
        v = 2 * (self.T - self.P[i]) / (self.p[i] + sqrt(self.p[i] ** 2 - 2 * self.gs[i] * (self.T - self.P[i])))
        self.ym = self.zs[i] + v
        if self.zs[i] < self.ym < self.zs[i + 1]:
            self.zs.insert(i + 1, self.ym)
            self.gs.insert(i, self.gs[i])
            self._nodes()

    def _nodes(self):
        zs, gs, n = self.zs, self.gs, len(self.zs)
        self.p = [None] * n  # pressure at nodes, built down from the crest
        self.Q = [None] * n  # integral_z^H p, built down from the crest
        self.p[-1], self.Q[-1] = self.pc, mpf(0)
        for k in range(n - 2, -1, -1):
            L = zs[k + 1] - zs[k]
            self.p[k] = self.p[k + 1] + gs[k] * L
            self.Q[k] = self.Q[k + 1] + L * (self.p[k] + self.p[k + 1]) / 2
        self.P = [mpf(0)] * n  # integral_0^z p, built up from the base
        for k in range(1, n):
            self.P[k] = self.P[k - 1] + (zs[k] - zs[k - 1]) * (self.p[k - 1] + self.p[k]) / 2

    def _pPQ(self, k, y):
        """Pressure, P and Q inside zone k, each a sum of positive terms."""
        py = self.p[k + 1] + self.gs[k] * (self.zs[k + 1] - y)
        return (py, self.P[k] + (y - self.zs[k]) * (self.p[k] + py) / 2,
                self.Q[k + 1] + (self.zs[k + 1] - y) * (py + self.p[k + 1]) / 2)

    def integral(self, phi, ymin=0):
        """integral of phi(y, P) ds over the membrane part above ymin (ymin must be a node)."""
        T, n, total = self.T, len(self.zs) - 1, mpf(0)
        for k in range(n):
            a, c, g = self.zs[k], self.zs[k + 1], self.gs[k]
            if a < ymin:
                continue
            if k == 0:  # y = t^2 removes 1/sqrt(P) at the contact edge: P = y (p0 - g y / 2)
                def f(t):
                    y = t * t
                    _, P, Q = self._pPQ(0, y)
                    return phi(y, P) * 2 * T / sqrt((self.p[0] - g * y / 2) * Q)
                val, err = quad(f, [0, sqrt(c)], error=True)
            elif k == n - 1 and g > 0:
                # crest zone: Q = pc u + g u^2 / 2 with u = H - y.  u = 2a sinh^2(w/2), a = pc/g,
                # makes du/sqrt(Q) = sqrt(2/g) dw exactly; the nearly flat crest of a tube with
                # tiny pc becomes a long but smooth w range
                al = self.pc / g
                wmax = 2 * asinh(sqrt((c - a) / (2 * al)))

                def f(w):
                    y = self.H - 2 * al * sinh(w / 2) ** 2
                    P = self._pPQ(k, y)[1]
                    return phi(y, P) * T * sqrt(2 / g) / sqrt(P)
                pts = [mpf(0)] + [wmax - d for d in (256, 64, 16, 4, 1) if d < wmax] + [wmax]
                val, err = quad(f, pts, error=True)
            elif k == n - 1:  # zero net weight at the crest: circular arc, u = t^2, Q = pc u
                def f(t):
                    y = self.H - t * t
                    P = self._pPQ(k, y)[1]
                    return phi(y, P) * 2 * T / sqrt(self.pc * P)
                val, err = quad(f, [0, sqrt(c - a)], error=True)
            else:
                def f(y):
                    _, P, Q = self._pPQ(k, y)
                    return phi(y, P) * T / sqrt(P * Q)
                val, err = quad(f, [a, c], error=True)
            if err > abs(val) * mpf(10) ** (12 - mp.dps) + mpf(10) ** (-mp.dps):
                raise ArithmeticError("quadrature did not converge: err %s" % nstr(err, 3))
            total += val
        return total

    def circumference(self):
        # C = b + 2*arc = 2 * integral (1 - cos theta) ds: all terms positive
        return 2 * self.integral(lambda y, P: P) / self.T

    def results(self):
        T = self.T
        cs = lambda y, P: (T - P) / T  # cos(theta)
        r = dict(T=T, pc=self.pc, H=self.H, yW=self.ym, p0=self.p[0])
        r["C"] = self.circumference()
        r["arc"] = self.integral(lambda y, P: 1)
        r["b"] = -2 * self.integral(cs)
        r["W"] = -2 * self.integral(cs, self.ym)  # x(ym) = -integral_ym^H cos ds since x(H) = 0
        r["A"] = -2 * self.integral(lambda y, P: y * cs(y, P))  # A/2 = integral x dy = -integral y dx
        hs = self.load.hs
        r["Aup"] = -2 * self.integral(lambda y, P: (y - hs) * cs(y, P), hs) if hs is not None and hs < self.H else mpf(0)
        r["Alow"] = r["A"] - r["Aup"]
        r["F"] = -2 * self.integral(lambda y, P: P * cs(y, P))  # integral p w dy = -2 integral P dx
        r["FC"] = r["F"] / r["C"]
        r["ratio"] = self.pc / self.p[0]
        # internal consistency: C two ways (b + 2*arc uses the cancelling cos integral)
        assert abs(r["C"] - r["b"] - 2 * r["arc"]) < r["C"] * mpf(10) ** (10 - mp.dps)
        return r


def bracket_solve(f, a, b):
    tol = mpf(10) ** -mp.dps
    x = findroot(f, (a, b), solver="anderson", tol=tol, maxsteps=400, verify=False)
    if abs(f(x)) > mpf(10) ** (4 - mp.dps):
        raise ArithmeticError("root not converged: f = %s" % nstr(f(x), 3))
    return +x


def expand_bracket(f, x0, increasing):
    """Doubling steps from x0 until f changes sign; f is monotone in x."""
    f0 = f(x0)
    d = -1 if (f0 > 0) == increasing else 1
    a, step = x0, mpf(1)
    while True:
        b = a + d * step
        if (f(b) > 0) != (f0 > 0):
            return (a, b) if a < b else (b, a)
        a, step = b, step * 2


def given_tension(load, C, T):
    """Unknown ln(pc); C decreases from infinity (pc -> 0) to 0 (pc -> infinity)."""
    C, T = mpf(C), mpf(T)
    prof = lambda lp: Profile(load, exp(lp), load.height_for(T, exp(lp)))
    f = lambda lp: log(prof(lp).circumference() / C)
    lp = bracket_solve(f, *expand_bracket(f, log(2 * pi * T / C), increasing=False))
    return prof(lp)


def given_height(load, C, H):
    """Unknown ln(pc) at fixed H; C decreases from infinity (pc -> 0) to pi*H (pc -> infinity)."""
    C, H = mpf(C), mpf(H)
    assert H < C / pi
    f = lambda lp: log(Profile(load, exp(lp), H).circumference() / C)
    lp = bracket_solve(f, *expand_bracket(f, log(H * (1 + max(load.gsl, load.gsu))), increasing=False))
    return Profile(load, exp(lp), H)


def given_pressure(load, C, pc):
    """Unknown H in (0, C/pi); at fixed pc, C grows with H from 0 and exceeds pi*H."""
    C, pc = mpf(C), mpf(pc)
    f = lambda H: log(Profile(load, pc, H).circumference() / C)
    hi = C / pi
    lo = hi / 2
    while f(lo) > 0:
        hi, lo = lo, lo / 2
    return Profile(load, pc, bracket_solve(f, lo, hi))


def ode_cross_check(load, C, T, p0_guess):
    """Second route: integrate the ODE with mpmath.odefun (theta as the variable, p as a state,
    restarted at each interface) and shoot on the base pressure p0 until the circumference matches."""
    C, T = mpf(C), mpf(T)

    def run(p0):
        """Pieces (theta_start, solution) from the contact edge (theta 0) to the crest (theta pi).
        State: x - b/2, y, p, arc length, integral of y dx."""
        th, st, pieces = mpf(0), [mpf(0), mpf(0), mpf(p0), mpf(0), mpf(0)], []
        for z in load.interfaces() + [mp.inf]:
            g = load.g(st[1] + (z - st[1]) / 2 if z != mp.inf else st[1] + 1)
            rhs = lambda t, u, g=g: [T / u[2] * cos(t), T / u[2] * sin(t), -g * T / u[2] * sin(t), T / u[2],
                                     u[1] * T / u[2] * cos(t)]
            F = odefun(rhs, th, st)
            pieces.append((th, F))
            hit = next((t for t in (th + (pi - th) * j / 8 for j in range(1, 9)) if F(t)[1] >= z), None)
            if hit is None:  # crest reached inside this zone
                return lambda t: [F for t0, F in pieces if t0 <= t][-1](t)
            th = findroot(lambda t: F(t)[1] - z, (th, hit), solver="anderson")
            st = F(th)

    def circ(p0):
        end = run(p0)(pi)
        return -2 * end[0] + 2 * end[3]  # b = -2 (x_crest - x_edge), C = b + 2 arc

    p0 = findroot(lambda p0: circ(p0) - C, mpf(p0_guess), tol=mpf(10) ** (-2 * mp.dps // 3))
    sol = run(p0)
    end, mid = sol(pi), sol(pi / 2)
    return dict(C=circ(p0), p0=p0, pc=end[2], H=end[1], b=-2 * end[0], W=2 * (mid[0] - end[0]), yW=mid[1],
                A=-2 * end[4])


def fmt(x):
    s = nstr(mpf(x), 17, min_fixed=-4, max_fixed=17)
    return s if any(ch in s for ch in ".e") else s + ".0"


CASES = []


def case(name, objective, C, load, value):
    CASES.append((name, objective, C, load, value))


def build_cases():
    init = Load(12, 11, 1.0, 10, 2.0, 0)
    case("initial_given_tension", "tension", 10, init, mpf(100) / (mpf("1.3") * 1 * mpf("1.5") * 2))
    case("initial_given_height", "height", 10, init, mpf("2.5"))
    case("initial_given_pressure_20", "pressure", 10, init, 20)
    case("initial_given_pressure_5", "pressure", 10, init, 5)
    case("land_one_layer", "tension", 10, Load(mpf("10.2")), mpf(100) / mpf("3.9"))
    zero = Load(12, 10, 1.0, 10, 5, 0)
    case("zero_net_upper_tension", "tension", 10, zero, mpf("25.641025641025641"))
    case("zero_net_upper_pressure", "pressure", 10, zero, 10)
    case("neutral_circle", "tension", 10, Load(10, gfl=10, hf=100), 25)
    flat = Load(12)
    case("flat_C10_T0.5", "tension", 10, flat, mpf("0.5"))
    case("flat_C200_T25.6", "tension", 200, flat, mpf(100) / mpf("3.9"))
    case("flat_C200_T100", "tension", 200, flat, 100)
    case("flat_C200_T0.5", "tension", 200, flat, mpf("0.5"))
    case("flat_C200_T0.15", "tension", 200, flat, mpf("0.15"))
    for k in ("0.12", "0.1175", "0.115"):
        case("height_flat_end_" + k, "height", 10, flat, mpf(k) * 10 / pi)
    for e in (6, 7):
        case("nearly_round_1e-%d" % e, "height", 10, flat, 10 / pi * (1 - mpf(10) ** -e))
    dike = Load(14, 13, 1.5, mpf("10.05"), 1.2, 0)
    case("dike_given_tension", "tension", 15, dike, 30)
    case("dike_given_pressure", "pressure", 15, dike, 5)


SOLVERS = dict(tension=given_tension, height=given_height, pressure=given_pressure)
COLUMNS = ["C", "T", "pc", "H", "W", "yW", "b", "A", "Aup", "Alow", "FC", "ratio"]


def main():
    t_start = time.time()
    build_cases()
    print("// name, objective, layers, gsl, gsu, hs, gfl, hf, gfu, " + ", ".join(COLUMNS))
    print("// (FC = axial force / circumference, ratio = crest pressure / base pressure)")
    solved = {}
    for name, obj, C, load, value in CASES:
        t0 = time.time()
        prof = SOLVERS[obj](load, C, value)
        r = prof.results()
        solved[name] = (load, r)
        # the given quantity must come back
        got = dict(tension=r["T"], height=r["H"], pressure=r["pc"])[obj]
        assert abs(got / value - 1) < mpf(10) ** (10 - mp.dps) and abs(r["C"] / C - 1) < mpf(10) ** (10 - mp.dps)
        inputs = [load.gsl, load.gsu, load.hs if load.hs is not None else 0, load.gfl, load.hf, load.gfu]
        print('{"%s", "%s", %d, %s},  // %.1f s' % (name, obj, load.layers, ", ".join(fmt(x) for x in inputs + [r[c] for c in COLUMNS]),
                                              time.time() - t0))
        sys.stdout.flush()

    # the fully neutral tube must be the exact circle
    r = solved["neutral_circle"][1]
    C = mpf(10)
    exact = dict(H=C / pi, pc=2 * pi * 25 / C, W=C / pi, yW=C / (2 * pi), A=C ** 2 / (4 * pi), FC=mpf(25) / 2)
    dev = max(abs(r[k] - v) / v for k, v in exact.items())
    print("// circle check: max relative deviation %s, b = %s" % (nstr(dev, 3), nstr(r["b"], 3)))
    assert dev < mpf(10) ** (10 - mp.dps) and abs(r["b"]) < mpf(10) ** (10 - mp.dps)

    # zero net weight above hs: the crest zone is a circular arc of radius T/pc holding the maximum width
    r = solved["zero_net_upper_pressure"][1]
    R = r["T"] / r["pc"]
    dev = max(abs(r["W"] - 2 * R), abs(r["yW"] - (r["H"] - R)))
    print("// circular crest arc check: max deviation %s" % nstr(dev, 3))
    assert dev < mpf(10) ** (10 - mp.dps)

    # second route (ODE shooting) on an ordinary three-zone case
    t0 = time.time()
    load, r = solved["initial_given_tension"]
    with mp.workdps(20):  # start the shooting 0.1% off so it has to converge on its own
        o = ode_cross_check(load, 10, r["T"], r["p0"] * (1 + mpf(10) ** -3))
    dev = max(abs(o[k] - r[k]) / abs(r[k]) for k in ("C", "pc", "H", "b", "W", "yW", "A", "p0"))
    print("// ODE shooting cross-check (initial_given_tension): max relative deviation %s (%.1f s)"
          % (nstr(dev, 3), time.time() - t0))
    assert dev < mpf(10) ** -18
    print("// total time %.1f s" % (time.time() - t_start))


if __name__ == "__main__":
    main()
