#!/usr/bin/env python3
"""Writes the translations of translations/desktop/<language>.ini into the desktop entry and
the AppStream metainfo (data/org.vellorin.Vellorin.desktop and .metainfo.xml), after the
English originals of en.ini. Run it after changing any of those files; it rewrites both."""
import pathlib
import re
from xml.sax.saxutils import escape

root = pathlib.Path(__file__).resolve().parent.parent
folder = root / "translations" / "desktop"


def read(path):
    values = {}
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.strip() and not line.startswith("#"):
            key, _, value = line.partition("=")
            values[key.strip()] = value.strip()
    return values


english = read(folder / "en.ini")
languages = {p.stem: read(p) for p in sorted(folder.glob("*.ini")) if p.stem != "en"}
for code, values in languages.items():
    missing = set(english) - set(values)
    if missing:
        raise SystemExit(f"{code}.ini lacks {', '.join(sorted(missing))}")

desktop = root / "data" / "org.vellorin.Vellorin.desktop"
lines = [l for l in desktop.read_text(encoding="utf-8").splitlines()
         if not re.match(r"\w+\[", l)]  # the translations are written anew
out = []
for line in lines:
    key = line.split("=")[0]
    if key in ("GenericName", "Comment", "Keywords"):
        line = f"{key}={english[key]}"
        out.append(line)
        out.extend(f"{key}[{code}]={values[key]}" for code, values in languages.items())
    else:
        out.append(line)
desktop.write_text("\n".join(out) + "\n", encoding="utf-8")


def element(tag, key, indent):
    parts = [f"{indent}<{tag}>{escape(english[key])}</{tag}>"]
    parts += [f'{indent}<{tag} xml:lang="{code}">{escape(values[key])}</{tag}>'
              for code, values in languages.items()]
    return "\n".join(parts)


metainfo = root / "data" / "org.vellorin.Vellorin.metainfo.xml"
text = metainfo.read_text(encoding="utf-8")
description = "\n".join(
    ["  <description>", element("p", "p1", "    "), "    <ul>"]
    + [element("li", f"li{i}", "      ") for i in range(1, 100) if f"li{i}" in english]
    + ["    </ul>", element("p", "p2", "    "), "  </description>"])
text = re.sub(r"  <description>.*?\n  </description>", lambda m: description, text, count=1,
              flags=re.S)
text = re.sub(r"  <summary>.*</summary>\n(  <summary xml:lang.*\n)*",
              lambda m: element("summary", "summary", "  ") + "\n", text, count=1)
text = re.sub(r"      <caption>.*</caption>\n(      <caption xml:lang.*\n)*",
              lambda m: element("caption", "caption", "      ") + "\n", text, count=1)
metainfo.write_text(text, encoding="utf-8")
