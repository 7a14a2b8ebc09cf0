#!/usr/bin/python3
# Plays the window by keyboard with Orca itself running, the real message boxes shown and
# closed with Enter, and checks what Orca spoke after each step, read from its debug log:
# the computer's lead, the first card selected, a second proposal, the table and the score
# on request, a load, the hint, the play that ends the hand, the next deal.
#
#     prova_orca.py PROGRAMMA PARTITA
#
# PROGRAMMA is tests/a11y's window, PARTITA the saved game it loads. Orca runs in the C
# locale with no speech server (its log keeps every utterance all the same), on this
# script's own Xvfb and session bus; every process started is stopped at the end.
# Exits 0 when every step holds, 1 at the first that does not, 77 without Orca.

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from prova_atspi import ATTESA, Fallito, esegui, ferma

# The keys, then the lines Orca must speak, in this order and nothing else between them.
PASSI = [
    ("", ["alert Quintello.", "Sarai tu a dare carte.", "OK push button."]),
    ("Return", ["Ok, continua push button.", "Il computer ha giocato tre di coppe in tavola."]),
    ("Return", ["sei di spade.", "selezionata, prende due di spade e quattro di denari."]),
    ("3", ["re di coppe.", "selezionata, prende due di spade e fante di denari, proposta 1 di 2."]),
    ("3", ["re di coppe.", "selezionata, prende tre di coppe e sette di coppe, proposta 2 di 2."]),
    ("t", ["Tavola.", "In tavola: due di spade, tre di coppe, quattro di denari, sette di coppe "
           "e fante di denari."]),
    ("p", ["Punteggio.", "Punteggio: tu 0, computer 0, si gioca a 11. In questa mano hai preso 0 "
           "carte e 0 scope, il computer 0 carte e 0 scope. Tocca a te."]),
    ("alt+f", ["Nuova partita."]),
    ("c", ["alert Sicuro?", "Sei sicuro di voler interrompere la partita in corso e caricare quella "
           "salvata in {partita}?", "Sì push button."]),
    ("Return", ["cavallo di spade.", "selezionata, prende cavallo di bastoni."]),
    ("s", ["fante di coppe.", "Suggerimento: selezionata, nessuna presa. Scelte equivalenti."]),
    ("Return", ["Ok, continua push button.",
                "Hai giocato fante di coppe in tavola. Il computer ha giocato asso di spade in tavola."]),
    ("Return", ["cavallo di spade.", "selezionata, prende cavallo di bastoni."]),
    ("Return", ["alert Hai giocato cavallo di spade e preso cavallo di bastoni. Punti.",
                "OK push button."]),
    ("Return", ["alert Quintello.", "Darà carte il computer.", "OK push button."]),
    ("Return", ["quattro di coppe.", "selezionata, nessuna presa."]),
    # The review of the hand just ended, from the load on: a play at a time.
    ("r", ["Rivedi la mano dialog Costo delle tue giocate: 0,00 punti; errori: 0 Carte del "
           "computer: asso di spade In tavola: tre di spade, cavallo di bastoni, re di bastoni Le "
           "tue carte: fante di coppe, cavallo di spade 1. Hai giocato fante di coppe in tavola. "
           "Costo 0,00.", "Giocate della mano.", "List with 3 items."]),
    ("Right", ["2. Il computer ha giocato asso di spade in tavola.", "Prima: in tavola tre di "
               "spade, fante di coppe, cavallo di bastoni, re di bastoni; le tue carte cavallo di "
               "spade; carte del computer asso di spade."]),
    ("Escape", ["quattro di coppe.", "selezionata, nessuna presa."]),
]
# The echo of a key and the window's title when it comes back go with any step.
EXTRA = re.compile(r"[a-z0-9 ]+ |Quintello frame\.")
# Orca without a speech server or braille, its log written line by line.
PREFERENZE = ('{"general": {"enableBraille": false, "enableSound": false, "speechServerFactory": '
              '"nessuno", "speechFactoryModules": []}, "profiles": {"default": {"profile": '
              '["Default", "default"]}}, "pronunciations": {}, "keybindings": {}}')
RIGHE = "from orca import debug\ndebug.debugFile.reconfigure(line_buffering=True)\n"


def parlato(log):
    # Every utterance so far; one of several lines (the count of a hand) is left out.
    with open(log, encoding="utf-8", errors="replace") as testo:
        return re.findall(r"SPEECH OUTPUT: '(.*?)'(?: |\{)", testo.read())


def attendi(condizione, cosa, *processi):
    fine = time.monotonic() + ATTESA
    while not condizione():
        if time.monotonic() > fine or any(p.poll() is not None for p in processi):
            raise Fallito(f"manca {cosa}")
        time.sleep(0.05)


def gioca(schermo, programma, partita, casa):
    log, preferenze = os.path.join(casa, "orca.log"), os.path.join(casa, "orca")
    os.makedirs(preferenze)
    for nome, testo in (("user-settings.conf", PREFERENZE), ("orca-customizations.py", RIGHE)):
        with open(os.path.join(preferenze, nome), "w") as file:
            file.write(testo)
    ambiente = dict(os.environ, HOME=casa, XDG_RUNTIME_DIR=casa, QT_QPA_PLATFORM="xcb",
                    QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    orca = subprocess.Popen(["orca", "-u", preferenze, "--debug-file", log],
                            env=dict(ambiente, LC_ALL="C.UTF-8", LANGUAGE=""),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    gioco = None
    try:
        attendi(lambda: os.path.exists(log) and "Screen reader on." in parlato(log), "Orca", orca)
        gioco = subprocess.Popen([programma, "172", partita], env=ambiente)
        for numero, (tasti, attesi) in enumerate(PASSI, 1):
            attesi, prima = [r.format(partita=partita) for r in attesi], len(parlato(log))
            if tasti:
                subprocess.run(["xdotool", "key", tasti], env=ambiente, check=True)
            nuovi = lambda: parlato(log)[prima:]  # noqa: E731
            try:
                attendi(lambda: any(nuovi()[i:i + len(attesi)] == attesi
                                    for i in range(len(nuovi()))), f"«{attesi[-1]}»", orca, gioco)
                time.sleep(0.3)  # what is said after it counts too
                altro = [r for r in nuovi() if r not in attesi and not EXTRA.fullmatch(r)]
                if altro:
                    raise Fallito(f"detto anche {altro}")
            except Fallito as motivo:
                raise Fallito(f"passo {numero} ({tasti or 'avvio'}): {motivo}; detto: {nuovi()}")
            print(f"passo {numero} ({tasti or 'avvio'}): " + " | ".join(attesi), flush=True)
        guasti = [r for r in open(log, errors="replace") if "bad content" in r or "ERROR: Could" in r]
        if guasti:
            raise Fallito(f"eventi che Orca non ha potuto leggere: {guasti[:3]}")
    finally:
        ferma(gioco)
        ferma(orca)


def main():
    if len(sys.argv) != 3:
        print("uso: prova_orca.py PROGRAMMA PARTITA", file=sys.stderr)
        return 2
    if not shutil.which("orca"):
        print("orca manca (scripts/installa-dipendenze.sh lo installa): prova saltata")
        return 77
    # A second run, from scratch, when the first fails: Orca on a loaded
    # machine now and then drops an event; a real fault fails both.
    for _ in range(2):
        with tempfile.TemporaryDirectory() as casa:
            if esegui(gioca, *sys.argv[1:], casa) == 0:
                return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
