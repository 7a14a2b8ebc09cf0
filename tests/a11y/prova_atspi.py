#!/usr/bin/python3
"""Plays the start of a hand by keyboard alone and checks, through AT-SPI, what a
screen reader is told at each step: the object that takes the focus, its name and
its description, and the events that make the reader speak.

    prova_atspi.py PROGRAMMA

PROGRAMMA is tests/a11y's window with a fixed deal. The script starts its own
Xvfb, its own D-Bus session bus (on which the accessibility bus is started on
demand) and the program; however it ends, it stops all of them and waits until
every process started from them has gone.
Exits 0 when every step holds, 1 at the first that does not.
"""

import os
import select
import subprocess
import sys
import tempfile
import time

SEME = "33"
ATTESA = 10.0  # seconds any one step may take

# (keys pressed, name of the focused object, its description, what must have come)
PASSI = [
    ("", "quattro di coppe", "selezionata, prende due di spade e due di coppe", "stato"),
    ("3", "re di spade",
     "selezionata, prende due di spade e fante di denari, proposta 1 di 2", "focus"),
    ("3", "re di spade",
     "selezionata, prende due di coppe e fante di denari, proposta 2 di 2", "description"),
    ("Return", "Ok, continua",
     "Hai giocato re di spade e preso due di coppe e fante di denari. Il computer ha giocato "
     "sette di bastoni e preso due di spade e cinque di bastoni, scopa!", "focus"),
    ("space", "quattro di coppe", "selezionata, nessuna presa", "focus"),
]


class Fallito(Exception):
    pass


def avvia_xvfb():
    lettura, scrittura = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(scrittura), "-nolisten", "tcp", "-screen", "0", "1024x768x24"],
        pass_fds=(scrittura,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(scrittura)
    numero = b""
    fine = time.monotonic() + ATTESA
    while not numero.endswith(b"\n"):
        pronti, _, _ = select.select([lettura], [], [], max(0.0, fine - time.monotonic()))
        parte = os.read(lettura, 16) if pronti else b""
        if not parte:
            xvfb.kill()
            raise Fallito("Xvfb non è partito")
        numero += parte
    os.close(lettura)
    return xvfb, ":" + numero.decode().strip()


def avvia_bus():
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    pronti, _, _ = select.select([bus.stdout], [], [], ATTESA)
    indirizzo = bus.stdout.readline().decode().strip() if pronti else ""
    if not indirizzo:
        ferma(bus)
        raise Fallito("il bus di sessione non è partito")
    return bus, indirizzo


def servizi(indirizzo):
    """What D-Bus started on demand (the accessibility bus, its launcher, its registry):
    they leave their parent, but all carry the address of this script's session bus."""
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
    """Stops the processes and waits until they are gone."""
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


def gioca(programma, schermo):
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import GLib
    import pyatspi

    contesto = GLib.MainContext.default()
    eventi = []

    def registra(evento):
        eventi.append(("".join(evento.type), evento.source, evento.detail1))

    pyatspi.Registry.registerEventListener(
        registra, "object:state-changed:focused", "object:property-change:accessible-description",
        "object:property-change:accessible-name")

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
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name == "Quintello":
                    return app
            return None

        app = attendi(applicazione, "il programma sul bus di accessibilità")
        controlla_albero(app, pyatspi)

        precedente = None
        for numero, (tasti, nome, descrizione, evento) in enumerate(PASSI, 1):
            del eventi[:]
            if tasti:
                subprocess.run(["xdotool", "key", "--delay", "50", tasti],
                               env=dict(ambiente), check=True)

            def arrivato():
                if evento == "stato":
                    sorgente = con_fuoco(app, pyatspi)
                    if sorgente is not None and (sorgente.name, sorgente.description) == (nome, descrizione):
                        return sorgente
                    return None
                for tipo, sorgente, dettaglio in reversed(eventi):
                    if evento == "focus" and tipo.startswith("object:state-changed:focused") \
                            and dettaglio == 1 and sorgente.name == nome \
                            and sorgente.description == descrizione:
                        return sorgente
                    if evento == "description" and tipo.startswith(
                            "object:property-change:accessible-description") \
                            and sorgente.description == descrizione and sorgente.name == nome \
                            and sorgente.getState().contains(pyatspi.STATE_FOCUSED):
                        return sorgente
                return None

            try:
                trovato = attendi(arrivato, f"il passo {numero}")
                # Any other focus claim would be read out as well, and so would a change
                # on the object that had the focus, until the focus has moved.
                altri = [s.name for t, s, d in eventi if t.startswith("object:state-changed:focused")
                         and d == 1 and s.name != nome]
                if altri:
                    raise Fallito(f"fuoco anche su {altri}")
                for tipo, sorgente, dettaglio in eventi:
                    if evento != "focus" or tipo.startswith("object:state-changed:focused"):
                        break
                    if sorgente == precedente:
                        raise Fallito(f"{tipo} sul vecchio fuoco «{sorgente.name}»")
            except Fallito as motivo:
                visti = [(t, s.name, s.description, d) for t, s, d in eventi if s is not None]
                if evento == "stato":
                    sorgente = con_fuoco(app, pyatspi)
                    visti = sorgente and (sorgente.name, sorgente.description)
                raise Fallito(f"passo {numero} ({tasti or 'avvio'}): {motivo}; atteso {evento} su "
                              f"«{nome}» «{descrizione}»; eventi: {visti}")
            print(f"passo {numero} ({tasti or 'avvio'}): «{nome}», «{descrizione}»", flush=True)
            precedente = trovato
    finally:
        ferma(gioco)
        casa.cleanup()


def con_fuoco(app, pyatspi):
    """The object that has the keyboard focus, as the tree says, or None."""
    da_vedere = [app]
    while da_vedere:
        oggetto = da_vedere.pop()
        stato = oggetto.getState()
        if stato.contains(pyatspi.STATE_FOCUSED):
            return oggetto
        if stato.contains(pyatspi.STATE_SHOWING) or oggetto is app:
            da_vedere.extend(oggetto.getChildAtIndex(i) for i in range(oggetto.childCount))
    return None


def controlla_albero(app, pyatspi):
    """No unnamed leaf panels (the selection frames) and two distinct donation buttons."""
    senza_nome = 0
    donazioni = []
    da_vedere = [app]
    while da_vedere:
        oggetto = da_vedere.pop()
        figli = [oggetto.getChildAtIndex(i) for i in range(oggetto.childCount)]
        da_vedere.extend(f for f in figli if f is not None)
        ruolo = oggetto.getRole()
        if not figli and not oggetto.name and ruolo in (pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL):
            senza_nome += 1
        if ruolo == pyatspi.ROLE_PUSH_BUTTON and oggetto.name.startswith("Fai una donazione"):
            donazioni.append(oggetto.name)
    if senza_nome:
        raise Fallito(f"{senza_nome} oggetti senza nome nell'albero")
    if len(donazioni) != 2 or donazioni[0] == donazioni[1]:
        raise Fallito(f"bottoni della donazione: {donazioni}")


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        import pyatspi  # noqa: F401
    except (ImportError, ValueError) as errore:
        print(f"ERRORE: manca python3-pyatspi ({errore})", file=sys.stderr)
        return 1
    xvfb = bus = None
    lanciati = []
    try:
        xvfb, schermo = avvia_xvfb()
        bus, indirizzo = avvia_bus()
        os.environ.update(DISPLAY=schermo, DBUS_SESSION_BUS_ADDRESS=indirizzo)
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        gioca(sys.argv[1], schermo)
    except Fallito as errore:
        print(f"ERRORE: {errore}", file=sys.stderr)
        return 1
    finally:
        if bus:
            lanciati = servizi(os.environ["DBUS_SESSION_BUS_ADDRESS"])
        ferma_tutti(lanciati)
        ferma(bus)
        ferma(xvfb)
    return 0


if __name__ == "__main__":
    sys.exit(main())
