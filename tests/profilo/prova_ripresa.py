#!/usr/bin/env python3
"""The driver with a profile, as a real process. Killed with SIGKILL between two
events and started again, with another seed, it resumes the match at the last
event completed; two instances on one profile leave only whole files; a match
won and not played again leaves nothing to resume. Scenario statistiche shows
the record itself.
    prova_ripresa.py QUINTELLO-SCRIPT"""
import os
import signal
import subprocess
import sys
import tempfile

DRIVER = sys.argv[1]


def avvia(profilo, seme):
    return subprocess.Popen([DRIVER, "--seed", str(seme), "--profilo", profilo],
                            stdin=subprocess.PIPE, stdout=subprocess.PIPE)


def passo(gioco, comando):
    """Runs one command, then `stato`: the event's lines and the saved game's 77."""
    gioco.stdin.write(comando.encode() + b"\nstato\n")
    gioco.stdin.flush()
    eventi, stato = [], []
    while len(stato) < 77:
        riga = gioco.stdout.readline()
        assert riga, "the driver ended"
        (eventi if b"\t" in riga else stato).append(riga)
    return eventi, b"".join(stato)


def gioca(gioco, stato, n):
    """The user's next click: go on in the pause, else cycle a card or play it."""
    pausa = stato.split(b"\r\n")[14] == b"Vero"
    return passo(gioco, "procedi" if pausa else "giocatautente" if n % 3 else "user %d" % (n % 2))[1]


def ferma(*giochi):
    for gioco in giochi:
        gioco.kill()
        gioco.wait()


# In memory where the system has it: every kept match is flushed to the disk.
with tempfile.TemporaryDirectory(dir="/dev/shm" if os.path.isdir("/dev/shm") else None) as cartella:
    for uccidi in (4, 11, 23):
        profilo = os.path.join(cartella, str(uccidi))
        gioco, n = avvia(profilo, 5), 0
        stato = passo(gioco, "undici")[1]
        while n < uccidi or stato.split(b"\r\n")[15] != b"Vero":  # stopped in the user's turn
            stato, n = gioca(gioco, stato, n), n + 1
        gioco.send_signal(signal.SIGKILL)
        gioco.wait()
        with open(os.path.join(profilo, "partita.qnt"), "rb") as conservata:
            assert conservata.read() == stato, "not kept at the last event"
        ripreso = avvia(profilo, 99)
        eventi, riletto = passo(ripreso, "statistiche")
        assert b"AVVISO\tPartita ripresa\n" in eventi and riletto == stato, eventi
        ferma(ripreso)

    # Two at once, each playing on: whatever they leave is whole.
    profilo = os.path.join(cartella, "due")
    giochi = [avvia(profilo, seme) for seme in (1, 2)]
    stati = [passo(g, "sette")[1] for g in giochi]
    for n in range(400):
        stati = [gioca(g, s, n) for g, s in zip(giochi, stati)]
    ferma(*giochi)
    assert not [f for f in os.listdir(profilo) if f.endswith(".guasto") or f.startswith(".")]
    ultimo = avvia(profilo, 3)
    eventi = passo(ultimo, "statistiche")[0]
    ferma(ultimo)
    assert [e for e in eventi if e.startswith(b"AVVISO")] == [b"AVVISO\tPartita ripresa\n"]
    assert b"STATISTICHE\tClassico\tMani giocate\t0\n" not in eventi

    # A match won and not played again leaves nothing to resume.
    fine = os.path.join(cartella, "fine")
    copione = os.path.join(os.path.dirname(__file__), "..", "scenari", "partita-intera.script")
    subprocess.run([DRIVER, "--seed", "3", "--profilo", fine, copione], check=True,
                   stdout=subprocess.DEVNULL)
    assert sorted(os.listdir(fine)) == ["quintello.conf", "statistiche"], os.listdir(fine)

assert subprocess.run([DRIVER, "--profilo"], capture_output=True).returncode == 2
