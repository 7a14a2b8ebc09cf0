#!/usr/bin/python3
# Plays the start of a hand by keyboard alone and checks, through AT-SPI, what a
# screen reader is told at each step: the object that takes the focus, its name and
# its description, and the events that make the reader speak.
#
#     prova_atspi.py PROGRAMMA
#
# PROGRAMMA is tests/a11y's window with a fixed deal. The script starts its own
# Xvfb, its own D-Bus session bus (on which the accessibility bus is started on
# demand) and the program; however it ends, it stops all of them and waits until
# every process started from them has gone.
# Exits 0 when every step holds, 1 at the first that does not.

import os
import select
import subprocess
import sys
import tempfile
import time

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

SEME = "33"
ATTESA = 10.0  # seconds any one step may take
FUOCO = "object:state-changed:focused"

# Keys pressed, then the name and description of the object that has the focus at the
# start, or that gains it: a screen reader reads a control anew only when it does.
PASSI = [
    ("", "quattro di coppe", "selezionata, prende due di spade e due di coppe"),
    ("3", "re di spade", "selezionata, prende due di spade e fante di denari, proposta 1 di 2"),
    ("3", "re di spade", "selezionata, prende due di coppe e fante di denari, proposta 2 di 2"),
    ("Return", "Ok, continua",
     "Hai giocato re di spade e preso due di coppe e fante di denari. Il computer ha giocato "
     "sette di bastoni e preso due di spade e cinque di bastoni, scopa!"),
    ("space", "quattro di coppe", "selezionata, nessuna presa"),
]


class Fallito(Exception):
    pass


def avvia(comando, cosa):
    # Starts a server that writes where it is reached on its first line.
    server = subprocess.Popen(comando, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    pronti, _, _ = select.select([server.stdout], [], [], ATTESA)
    riga = server.stdout.readline().decode().strip() if pronti else ""
    if not riga:
        ferma(server)
        raise Fallito(f"{cosa} non è partito")
    return server, riga


def servizi(indirizzo):
    # What D-Bus started on demand (the accessibility bus, its launcher, its registry):
    # they leave their parent, but all carry the address of this script's session bus.
    segno = f"DBUS_SESSION_BUS_ADDRESS={indirizzo}\0".encode()
    trovati = []
    for voce in os.listdir("/proc"):
        try:
            with open(f"/proc/{voce}/environ", "rb") as ambiente:
                if voce.isdigit() and int(voce) != os.getpid() and segno in ambiente.read():
                    trovati.append(int(voce))
        except OSError:
            pass
    return trovati


def ferma_tutti(pid):
    # Stops the processes and waits until they are gone.
    for segnale in (15, 9):
        vivi = [p for p in pid if os.path.exists(f"/proc/{p}")]
        for p in vivi:
            try:
                os.kill(p, segnale)
            except ProcessLookupError:
                pass
        fine = time.monotonic() + 5
        while time.monotonic() < fine and any(os.path.exists(f"/proc/{p}") for p in vivi):
            time.sleep(0.02)


def ferma(processo):
    if processo and processo.poll() is None:
        processo.terminate()
        try:
            processo.wait(5)
        except subprocess.TimeoutExpired:
            processo.kill()
            processo.wait()


def gioca(schermo, programma):
    contesto = GLib.MainContext.default()
    eventi = []

    def registra(evento):
        eventi.append(("".join(evento.type), evento.source, evento.detail1))

    pyatspi.Registry.registerEventListener(registra, FUOCO)

    casa = tempfile.TemporaryDirectory()
    ambiente = dict(os.environ, DISPLAY=schermo, QT_QPA_PLATFORM="xcb", HOME=casa.name,
                    QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    gioco = subprocess.Popen([programma, SEME], env=ambiente)
    try:
        def attendi(condizione, cosa):
            fine = time.monotonic() + ATTESA
            while time.monotonic() < fine:
                while contesto.pending():
                    contesto.iteration(False)
                risultato = condizione()
                if risultato:
                    return risultato
                if gioco.poll() is not None:
                    raise Fallito(f"il programma è terminato ({gioco.returncode}) aspettando {cosa}")
                time.sleep(0.02)
            raise Fallito(f"dopo {ATTESA} s manca {cosa}")

        def applicazione():
            desktop = pyatspi.Registry.getDesktop(0)
            return next((a for a in map(desktop.getChildAtIndex, range(desktop.childCount))
                         if a is not None and a.name == "Quintello"), None)

        app = attendi(applicazione, "il programma sul bus di accessibilità")
        controlla_albero(app)

        for numero, (tasti, nome, descrizione) in enumerate(PASSI, 1):
            del eventi[:]
            if tasti:
                subprocess.run(["xdotool", "key", "--delay", "50", tasti], env=ambiente, check=True)

            def arrivato():
                # The object that has the focus at the start, then one that gains it.
                sorgenti = [con_fuoco(app)] if not tasti else (
                    s for t, s, d in reversed(eventi) if t.startswith(FUOCO) and d == 1)
                return next((s for s in sorgenti if s is not None
                             and (s.name, s.description) == (nome, descrizione)), None)

            try:
                attendi(arrivato, f"il passo {numero}")
                # Any other focus claim would be read out as well.
                altri = [s.name for t, s, d in eventi
                         if t.startswith(FUOCO) and d == 1 and s.name != nome]
                if altri:
                    raise Fallito(f"fuoco anche su {altri}")
            except Fallito as motivo:
                visti = [(t, s.name, s.description, d) for t, s, d in eventi if s is not None]
                raise Fallito(f"passo {numero} ({tasti or 'avvio'}): {motivo}; atteso «{nome}» "
                              f"«{descrizione}»; eventi: {visti}")
            print(f"passo {numero} ({tasti or 'avvio'}): «{nome}», «{descrizione}»", flush=True)
    finally:
        ferma(gioco)
        casa.cleanup()


def albero(app):
    # The application and every object under it.
    da_vedere = [app]
    while da_vedere:
        oggetto = da_vedere.pop()
        figli = map(oggetto.getChildAtIndex, range(oggetto.childCount))
        da_vedere.extend(f for f in figli if f is not None)
        yield oggetto


def con_fuoco(app):
    # The object that has the keyboard focus, as the tree says, or None.
    return next((o for o in albero(app) if o.getState().contains(pyatspi.STATE_FOCUSED)), None)


def controlla_albero(app):
    # No unnamed leaf panels (the selection frames); four buttons, each a name of its own
    # that says more than the "Ok" on it.
    oggetti = list(albero(app))
    senza_nome = [o for o in oggetti if not o.childCount and not o.name
                  and o.getRole() in (pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL)]
    if senza_nome:
        raise Fallito(f"{len(senza_nome)} oggetti senza nome nell'albero")
    bottoni = [o.name for o in oggetti if o.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    if len(bottoni) != 4 or len(set(bottoni) - {"", "Ok"}) != 4:
        raise Fallito(f"bottoni: {bottoni}")


def esegui(gioca, *argomenti):
    # gioca(schermo, *argomenti) on a new Xvfb and session bus; stops all it started.
    xvfb = bus = None
    try:
        xvfb, numero = avvia(["Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-screen", "0",
                              "1024x768x24"], "Xvfb")
        bus, indirizzo = avvia(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               "il bus di sessione")
        os.environ.update(DISPLAY=":" + numero, DBUS_SESSION_BUS_ADDRESS=indirizzo)
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        gioca(":" + numero, *argomenti)
    except Fallito as errore:
        print(f"ERRORE: {errore}", file=sys.stderr)
        return 1
    finally:
        ferma_tutti(servizi(os.environ["DBUS_SESSION_BUS_ADDRESS"]) if bus else [])
        ferma(bus)
        ferma(xvfb)
    return 0


def main():
    if len(sys.argv) != 2:
        print("uso: prova_atspi.py PROGRAMMA", file=sys.stderr)
        return 2
    return esegui(gioca, sys.argv[1])


if __name__ == "__main__":
    sys.exit(main())
