# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT
"""Makes the page one file: index.html with its style sheets, its icon and
Emscripten's glue (the module inside it) written in, and a security policy
that admits exactly those inline parts, by their hashes.

    single_file.py SITE GLUE OUTPUT
"""
import base64
import hashlib
import re
import sys


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def main(site, glue_path, output):
    page = open(f"{site}/index.html", encoding="utf-8").read()
    style = open(f"{site}/style.css", encoding="utf-8").read()
    noscript = open(f"{site}/noscript.css", encoding="utf-8").read()
    glue = open(glue_path, encoding="utf-8").read()
    icon = base64.b64encode(open(f"{site}/cxxproto.svg", "rb").read()).decode()
    if "</script" in glue.lower() or "</style" in (style + noscript).lower():
        sys.exit("single_file.py: an inline part would end its own element")

    def replace(pattern, new):
        nonlocal page
        page, count = re.subn(pattern, lambda _: new, page)
        if count != 1:
            sys.exit(f"single_file.py: {pattern!r} found {count} times in index.html")

    # The script goes last in the body, where the page has been read up to
    # it.
    replace(r'\s*<script src="start.js" async></script>', "")
    replace(r'\s*<script src="cxxproto.js" async></script>', "")
    replace(r"</body>", f"<script>{glue}</script>\n</body>")
    replace(r'<link rel="stylesheet" href="style.css">', f"<style>{style}</style>")
    replace(r'<link rel="stylesheet" href="noscript.css">', f"<style>{noscript}</style>")
    replace(r'\s*<link rel="manifest" href="manifest.webmanifest">', "")
    replace(r'\s*<link rel="apple-touch-icon" href="cxxproto-180.png">', "")
    replace(r'\s*<link rel="icon" href="cxxproto-32.png" sizes="32x32" type="image/png">', "")
    replace(r'href="cxxproto.svg"', f'href="data:image/svg+xml;base64,{icon}"')
    policy = (f"default-src 'none'; script-src {digest(glue)} 'wasm-unsafe-eval'; "
              f"style-src {digest(style)} {digest(noscript)}; img-src data:; base-uri 'none'; "
              "form-action 'none'; require-trusted-types-for 'script'; trusted-types cxxproto")
    replace(r'(<meta http-equiv="Content-Security-Policy" content=")[^"]*(">)',
            f'<meta http-equiv="Content-Security-Policy" content="{policy}">')
    open(output, "w", encoding="utf-8").write(page)


if __name__ == "__main__":
    main(*sys.argv[1:])
