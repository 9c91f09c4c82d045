#!/usr/bin/python3
"""A screen reader's view of the running program over AT-SPI: every window a frame or a dialog,
every control a role and a name, read once (no description repeating it), the terms read
line by line and word by word, the lookup's answer announced with the focus left in the
number box, the boxes' buttons in Spanish; no unnamed control, no picture."""
import sys
import time

import pyatspi
from gi.repository import GLib

EXPECTED = {  # window title: (role, name) pairs it must hold
    "Garantías de uso": [
        ("text", "AUTORIZO al personal del servicio de asistencia técnica de Lunadoro S.A."),
        ("check box", "Acepto los términos"), ("push button", "Continuar...")],
    "Asistencia Remota Lunadoro": [
        ("push button", "Solicitar Soporte Técnico"), ("label", "Su ID 1.234.567.890"),
        ("link", "Tutoriales rápidos"), ("link", "Manuales"), ("link", "Solicitar Formación"),
        ("link", "¿Qué hay de mi incidencia?"),
        ("label", "Bienvenido al Soporte Técnico de Lunadoro")],
    "Soporte Remoto": [
        ("text", "Explíquenos brevemente la incidencia o consulta que quiere hacernos"),
        ("text", "Nombre"), ("text", "Teléfono"), ("push button", "Teclado en pantalla"),
        ("push button", "Continuar"), ("progress bar", "Estableciendo conexión...")],
    "Consultar incidencia": [
        ("text", "Número de aviso"), ("push button", "Consultar"), ("text", "Estado del aviso")],
    "Sin conexión": [("push button", "Aceptar")],
    "Empresa": [("push button", "Aceptar"), ("push button", "Cancelar")],
}
WINDOWS = {"frame", "dialog", "alert"}
STATUS = "No es posible conectar con el servidor."
SPOKEN = {"label", "link", "text", "push button", "check box", "progress bar"}


def controls(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from controls(child)


def program():
    for _ in range(40):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == sys.argv[1]:
                return app
        time.sleep(0.5)
    sys.exit("the program never showed up on the accessibility bus")


def control(app, title, role, name):
    for window in app:
        if window.name == title:
            for c in controls(window):
                if c.getRoleName() == role and c.name.startswith(name):
                    return c
    return None


def pieces(text, boundary):
    """The text's pieces from its start, as a reader moving by that boundary gets them."""
    found, offset = [], 0
    while offset < text.characterCount:
        piece, start, end = text.getTextAtOffset(offset, boundary)
        if end <= offset:
            break
        found.append(piece)
        offset = end
    return found


heard = []


def listen(event):
    heard.append(str(event.any_data))
    if STATUS in heard[-1]:
        pyatspi.Registry.stop()


failures = []
app = program()
# The program looks a number up every so often: its answer is said, the focus stays put.
pyatspi.Registry.registerEventListener(listen, "object:announcement")
GLib.timeout_add_seconds(8, lambda: pyatspi.Registry.stop() or False)
pyatspi.Registry.start()
print(f"announced: {heard!r}")
if not any(STATUS in said for said in heard):
    failures.append("the lookup's answer was never announced")
number = control(app, "Consultar incidencia", "text", "Número de aviso")
if not number or not number.getState().contains(pyatspi.STATE_FOCUSED):
    failures.append("the focus left the number box")

terms = control(app, "Garantías de uso", "text", "AUTORIZO")
text = terms.queryText() if terms else None
lines = pieces(text, pyatspi.TEXT_BOUNDARY_LINE_START) if text else []
words = pieces(text, pyatspi.TEXT_BOUNDARY_WORD_START) if text else []
print(f"terms: caret {text.caretOffset if text else None}, lines {lines!r}, words {words[:3]!r}")
if not text or text.caretOffset != 0:
    failures.append("the terms have no text with the caret at its start")
# What a reader asks before it speaks a line: the selection and the text's attributes.
if text and (text.getNSelections() != 0 or text.getAttributes(0)[0] != ""):
    failures.append("the terms say something is selected or styled")
if [line[:15] for line in lines] != ["AUTORIZO al per", "Nuestro horario"]:
    failures.append("the terms are not read line by line")
if [word for word in map(str.strip, words) if word][:3] != ["AUTORIZO", "al", "personal"]:
    failures.append("the terms are not read word by word")
for _ in range(30):  # the boxes come last
    if set(EXPECTED) <= {w.name for w in app}:
        break
    time.sleep(0.5)
for window in app:
    title = window.name
    print(f"[{window.getRoleName()}] {title!r}")
    if window.getRoleName() not in WINDOWS:
        failures.append(f"{title}: a window read as {window.getRoleName()}")
    found = [(c.getRoleName(), c.name) for c in controls(window)]
    for control in controls(window):
        role, name = control.getRoleName(), control.name
        print(f"{title} > [{role}] {name!r}")
        if role in SPOKEN and not name and role != "text":
            failures.append(f"{title}: a {role} without a name")
        if role in ("image", "filler", "panel") and name:
            failures.append(f"{title}: a decoration read as {name!r}")
        if name and control.description == name:
            failures.append(f"{title}: {name!r} read twice, as its description too")
    for role, name in EXPECTED.get(title, []):
        if not any(r == role and n.startswith(name) for r, n in found):
            failures.append(f"{title}: no [{role}] {name!r}")
missing = set(EXPECTED) - {w.name for w in app}
failures += [f"no window {title!r}" for title in sorted(missing)]
print("\n".join(failures) or "every control read")
sys.exit(1 if failures else 0)
