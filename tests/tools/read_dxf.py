#!/usr/bin/python3
"""Reads a DXF drawing back with ezdxf, an independent reader, and prints what
it found as one JSON object: audit errors, units, layers, entity counts per
layer, the polylines with their extents and the texts."""
import json
import sys

import ezdxf


def polyline_facts(entity):
    points = [(v.dxf.location.x, v.dxf.location.y) for v in entity.vertices]
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return {
        "layer": entity.dxf.layer,
        "closed": entity.is_closed,
        "count": len(points),
        "minX": min(xs), "maxX": max(xs), "minY": min(ys), "maxY": max(ys),
    }


def main(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    msp = doc.modelspace()
    counts = {}
    for entity in msp:
        key = entity.dxf.layer + ":" + entity.dxftype()
        counts[key] = counts.get(key, 0) + 1
    lines = {}
    for line in msp.query("LINE"):
        lines.setdefault(line.dxf.layer, []).append(
            [line.dxf.start.x, line.dxf.start.y, line.dxf.end.x, line.dxf.end.y])
    facts = {
        "auditErrors": [str(e.message) for e in auditor.errors],
        "version": doc.dxfversion,
        "insunits": doc.header.get("$INSUNITS", None),
        "layers": sorted(layer.dxf.name for layer in doc.layers),
        "entities": counts,
        "lines": lines,
        "polylines": [polyline_facts(e) for e in msp.query("POLYLINE")],
        "texts": [t.dxf.text for t in msp.query("TEXT")],
    }
    json.dump(facts, sys.stdout)


if __name__ == "__main__":
    main(sys.argv[1])
