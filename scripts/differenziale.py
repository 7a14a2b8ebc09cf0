#!/usr/bin/env python3
"""Differential run of two builds of the headless driver.

    scripts/differenziale.py --prima DRIVER --dopo DRIVER --cartella DIR
                             [--copioni N] [--seme S] [--lavori J] [--limite SEC] [--mostra K]

Writes N random scripts for quintello-script (mostly play: hand clicks that
cycle the proposals, giocatautente, procedi; now and then every other command,
the saved-game lines, saves and loads) and runs both drivers on each, with the
same --seed and --annunci on half of them, comparing what they print byte for
byte, their exit code, what they write to stderr and the files they leave.

Damaged saved games are made in advance: a first pass of the --prima driver
saves games at several points of play, then each file is cut (at a line or a
byte), altered (other numbers, numbers out of range or beyond 16 bits, words,
Vero and Falso swapped, other line endings, lines added or taken away) or
replaced by garbage, and the scripts load them with `file guasti/...` and
`carica`. Every run starts in a fresh folder, always the same one, holding
only the files its script names: the paths each driver prints are the same.

Exits 0 when the two drivers agree on every script, 1 when they do not, 2 on
a bad command line or when the first pass cannot make the saved games. The
work folder keeps the scripts, the files and, for each difference, what it
takes to run the script again by hand (differenze/cNNNN/).
"""

import argparse
import collections
import concurrent.futures
import difflib
import os
import queue
import random
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

COMANDI = [
    "user", "giocatautente", "procedi", "newpart", "salva", "carica", "esci",
    "sette", "undici", "sedici", "ventuno", "Info", "mnuDona", "Command1", "Command2",
    "classico", "esperto", "suggerimento", "si", "no", "file", "stato",
]

RIGHE_FILE = 77
RIGHE_INTERE = list(range(1, 9)) + list(range(10, 15)) + list(range(17, 57))
RIGHE_FLAG = [15, 16] + list(range(57, 78))
RIGHE_LUOGO = list(range(17, 57))
LUOGHI = [0, 2, 3, 4, 5, 6, 7, 8]
SEMI = "oscb"

# The sub-folders of the work folder this tool owns: emptied at the start.
SOTTOCARTELLE = ["sorgenti", "originali", "guasti", "copioni", "differenze"]


def errore(messaggio):
    print("differenziale: " + messaggio, file=sys.stderr)
    sys.exit(2)


def b2s(dati):
    """Bytes as a str holding one character per byte."""
    return dati.decode("latin-1")


def s2b(testo):
    return testo.encode("latin-1")


def utf8(testo):
    """A str of Unicode text, as the bytes its UTF-8 form would put in a file."""
    return b2s(testo.encode("utf-8"))


# ---------------------------------------------------------------------------
# Damaged saved games


def numero_plausibile(rng, riga):
    """Another value the game itself could have written on that line."""
    if riga <= 6:
        return rng.choice([-1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10]) if riga % 2 else rng.randint(-1, 4)
    if riga == 7:
        return rng.choice([7, 11, 16, 21, 1, 0, 30])
    if riga == 8:
        return rng.randint(0, 6)
    if riga == 10:
        return rng.randint(-1, 2)
    if riga in (11, 12):
        return rng.randint(0, 25)
    if riga in (13, 14):
        return rng.randint(0, 1)
    return rng.choice(LUOGHI)


def fuori_intervallo(rng, riga):
    if riga in RIGHE_LUOGO:
        return rng.choice([1, 9, 10, -1, -2, 12, 100, -32768, 32767])
    return rng.choice([-2, -1, 3, 5, 9, 10, 11, 15, 40, 41, 100, -100, -32768, 32767])


def numero_enorme(rng):
    return rng.choice([
        "32768", "-32769", "65535", "65536", "99999", str(2 ** 31), str(2 ** 63), str(2 ** 64),
        "9" * 40, "-" + "9" * 25, "1" + "0" * rng.randint(5, 3000), "0" * 200 + "7",
    ])


def non_numero(rng):
    return rng.choice([
        "", " ", "abc", "x12", "12abc", "+", "-", "--3", "+7", "+-1", "0x1F", "1.5", "1e3",
        " 3 4", "Vero", "Falso", "\t5", "\x00", "NaN", "-0", "1,5", utf8("١٢"), utf8("٣"),
        utf8("７"), "\x0c9", "\xff\xfe",
    ])


def codice_carta(rng):
    return str(rng.randint(0, 9)) + rng.choice(SEMI)


def presa_strana(rng):
    return rng.choice([
        "", "".join(codice_carta(rng) for _ in range(rng.randint(1, 6))),
        codice_carta(rng) * rng.randint(1, 3), "zz", "1", "o", "1x2y", "7o7o7o7o",
        "x" * rng.randint(100, 5000), utf8("7ò"), "Vero", " 11 ",
    ])


def flag_strano(rng):
    return rng.choice(["vero", "VERO", "Falso ", " Vero", "True", "False", "1", "0", "",
                       "Ver", "Verona", "Fals", "FalsoVero", utf8("Verò")])


def righe_casuali(rng, quante):
    scelte = [lambda: " %d " % rng.randint(-5, 50), lambda: rng.choice(["Vero", "Falso"]),
              lambda: codice_carta(rng), lambda: non_numero(rng), lambda: numero_enorme(rng)]
    return [rng.choice(scelte)() for _ in range(quante)]


def spazzatura(rng, quanti):
    return bytes(rng.getrandbits(8) for _ in range(quanti))


def guasta(rng, originale):
    """A damaged copy of a saved game and the names of what was done to it."""
    righe = b2s(originale).split("\r\n")
    if righe and righe[-1] == "":
        righe.pop()
    fatto = []

    def riga_a_caso(tra):
        tra = [r for r in tra if r <= len(righe)]
        return rng.choice(tra) if tra else None

    def cambia(tra, valore, nome):
        r = riga_a_caso(tra)
        if r is not None:
            righe[r - 1] = valore(r) if callable(valore) else valore
            fatto.append("%s@%d" % (nome, r))

    def scambia_luoghi():
        if len(righe) >= 56:
            a, b = rng.sample(RIGHE_LUOGO, 2)
            righe[a - 1], righe[b - 1] = righe[b - 1], righe[a - 1]
            fatto.append("scambia_luoghi@%d,%d" % (a, b))

    def taglia_righe():
        k = rng.randint(0, len(righe))
        del righe[k:]
        fatto.append("taglia_righe@%d" % k)

    def riga_in_piu():
        k = rng.randint(0, len(righe))
        righe.insert(k, righe_casuali(rng, 1)[0])
        fatto.append("riga_in_piu@%d" % (k + 1))

    def riga_tolta():
        if righe:
            k = rng.randrange(len(righe))
            del righe[k]
            fatto.append("riga_tolta@%d" % (k + 1))

    def riga_doppia():
        if righe:
            k = rng.randrange(len(righe))
            righe.insert(k, righe[k])
            fatto.append("riga_doppia@%d" % (k + 1))

    def righe_in_fondo():
        if rng.random() < 0.3:
            righe.extend(list(righe))
            fatto.append("file_doppio")
        else:
            n = rng.randint(1, 5)
            righe.extend(righe_casuali(rng, n))
            fatto.append("righe_in_fondo+%d" % n)

    def spazi():
        for _ in range(rng.randint(1, 6)):
            if not righe:
                break
            k = rng.randrange(len(righe))
            righe[k] = rng.choice(["", " ", "  ", "\t", " \t"]) + righe[k] + rng.choice(["", " ", "\t", "  "])
        fatto.append("spazi")

    tipi_riga = {
        "altro_numero": lambda: cambia(RIGHE_INTERE, lambda r: " %d " % numero_plausibile(rng, r), "altro_numero"),
        "fuori_intervallo": lambda: cambia(RIGHE_INTERE, lambda r: " %d " % fuori_intervallo(rng, r), "fuori_intervallo"),
        "enorme": lambda: cambia(RIGHE_INTERE, lambda r: numero_enorme(rng), "enorme"),
        "non_numero": lambda: cambia(RIGHE_INTERE, lambda r: non_numero(rng), "non_numero"),
        "vero_falso": lambda: cambia(RIGHE_FLAG, lambda r: {"Vero": "Falso", "Falso": "Vero"}.get(righe[r - 1], "Vero"), "vero_falso"),
        "flag_strano": lambda: cambia(RIGHE_FLAG, lambda r: flag_strano(rng), "flag_strano"),
        "presa": lambda: cambia([9], lambda r: presa_strana(rng), "presa"),
        "scambia_luoghi": scambia_luoghi, "taglia_righe": taglia_righe, "riga_in_piu": riga_in_piu,
        "riga_tolta": riga_tolta, "riga_doppia": riga_doppia, "righe_in_fondo": righe_in_fondo,
        "spazi": spazi,
    }
    pesi_riga = {
        "altro_numero": 10, "fuori_intervallo": 6, "enorme": 5, "non_numero": 6, "vero_falso": 7,
        "flag_strano": 3, "presa": 4, "scambia_luoghi": 6, "taglia_righe": 8, "riga_in_piu": 3,
        "riga_tolta": 3, "riga_doppia": 2, "righe_in_fondo": 3, "spazi": 3,
    }
    # The kind of damage: on the lines, on the line endings, on the bytes.
    genere = rng.choices(["righe", "acapo", "byte", "intero"], weights=[70, 8, 17, 5])[0]
    if genere in ("righe", "byte"):
        for _ in range(rng.choices([1, 2, 3, 5], weights=[55, 25, 13, 7])[0]):
            nome = rng.choices(list(pesi_riga), weights=list(pesi_riga.values()))[0]
            tipi_riga[nome]()

    acapo = "crlf"
    if genere == "acapo" or rng.random() < 0.15:
        acapo = rng.choice(["lf", "cr", "misto", "lfcr", "crcrlf"])
        fatto.append("acapo_" + acapo)
    fini = {"crlf": "\r\n", "lf": "\n", "cr": "\r", "lfcr": "\n\r", "crcrlf": "\r\r\n"}
    if acapo == "misto":
        testo = "".join(r + rng.choice(["\r\n", "\n", "\r"]) for r in righe)
    else:
        testo = "".join(r + fini[acapo] for r in righe)
    dati = s2b(testo)

    if genere == "byte":
        modo = rng.choice(["taglia", "taglia", "taglia", "inserisci", "sovrascrivi", "nul",
                           "bom", "senza_fine"])
        if modo == "taglia":
            k = rng.randint(0, len(dati))
            dati = dati[:k]
            fatto.append("taglia_byte@%d" % k)
        elif modo == "inserisci":
            k = rng.randint(0, len(dati))
            dati = dati[:k] + spazzatura(rng, rng.randint(1, 64)) + dati[k:]
            fatto.append("spazzatura_inserita@%d" % k)
        elif modo == "sovrascrivi":
            k = rng.randint(0, len(dati))
            n = rng.randint(1, 64)
            dati = dati[:k] + spazzatura(rng, n) + dati[k + n:]
            fatto.append("spazzatura_sopra@%d" % k)
        elif modo == "nul":
            k = rng.randint(0, len(dati))
            dati = dati[:k] + b"\x00" * rng.randint(1, 4) + dati[k:]
            fatto.append("nul@%d" % k)
        elif modo == "bom":
            dati = b"\xef\xbb\xbf" + dati
            fatto.append("bom")
        else:
            dati = dati.rstrip(b"\r\n")
            fatto.append("senza_acapo_finale")
    elif genere == "intero":
        modo = rng.choice(["vuoto", "spazzatura", "spazzatura", "solo_acapo", "enorme"])
        if modo == "vuoto":
            dati = b""
        elif modo == "spazzatura":
            dati = spazzatura(rng, rng.randint(1, 3000))
        elif modo == "solo_acapo":
            dati = rng.choice([b"\r\n", b"\n", b"\r"]) * rng.randint(1, 200)
        else:
            dati = dati * rng.randint(20, 200)
        fatto.append("file_" + modo)
    return dati, fatto


# ---------------------------------------------------------------------------
# The scripts


class Copione:
    """One random script for the driver, built step by step."""

    def __init__(self, rng, guasti, integri):
        self.rng = rng
        self.guasti = guasti
        self.integri = integri
        self.righe = []
        self.esperto = False
        self.salvate = set()
        self.caricamenti_guasti = 0
        self.giocate_esperto = 0  # the user's plays answered by Esperto
        self.file_usati = set()

    def __len__(self):
        return len(self.righe)

    def c(self, *comandi):
        self.righe.extend(comandi)

    def risposta(self, p_si=0.8, p_no=0.1):
        x = self.rng.random()
        if x < p_si:
            self.c("si")
        elif x < p_si + p_no:
            self.c("no")

    def giocata(self):
        rng = self.rng
        if rng.random() < 0.85:
            for _ in range(rng.choices([1, 2], weights=[85, 15])[0]):
                k = rng.choices([0, 1, 2], weights=[45, 33, 22])[0]
                self.c(*["user %d" % k] * rng.choices([1, 2, 3, 4, 5], weights=[45, 25, 15, 10, 5])[0])
        if rng.random() < (0.2 if self.esperto else 0.03):
            self.c("suggerimento")
        if rng.random() < 0.12:
            self.c("stato")
        if rng.random() < 0.96:
            self.c("giocatautente")
            self.giocate_esperto += self.esperto
        if rng.random() < 0.08:
            self.c("stato")
        if rng.random() < 0.96:
            self.c("procedi")

    def salva_propria(self):
        nome = "partite/s%d.qnt" % self.rng.randint(0, 3)
        self.c("file " + nome)
        if nome in self.salvate:
            self.risposta(0.6, 0.3)
        self.c("salva")
        self.salvate.add(nome)

    def carica(self, nome):
        self.c("file " + nome)
        self.risposta()
        self.c("carica")
        if self.rng.random() < 0.6:
            self.c("stato")

    def carica_propria(self):
        nomi = sorted(self.salvate) or ["partite/s0.qnt"]
        self.carica(self.rng.choice(nomi))

    def carica_guasto(self):
        nome = "guasti/" + self.rng.choice(self.guasti)
        self.file_usati.add(nome)
        self.caricamenti_guasti += 1
        self.carica(nome)
        for _ in range(self.rng.randint(0, 3)):
            self.giocata()

    def carica_integro(self):
        nome = "integri/" + self.rng.choice(self.integri)
        self.file_usati.add(nome)
        self.carica(nome)

    def nuova_partita(self):
        self.risposta(0.4, 0.3)
        self.c("newpart")

    def obiettivo(self):
        self.c(self.rng.choice(["sette", "undici", "sedici", "ventuno"]))

    def menu(self):
        self.c(self.rng.choice(["Info", "mnuDona", "Command1", "Command2"]))

    def avversario(self):
        self.esperto = self.rng.random() < 0.5
        self.c("esperto" if self.esperto else "classico")

    def file_strani(self):
        rng = self.rng
        modo = rng.randrange(7)
        if modo == 0:
            self.c("carica")  # the dialog cancelled
        elif modo == 1:
            self.c("salva")
        elif modo == 2:
            self.c("file manca.qnt")
            self.risposta(0.3, 0.1)
            self.c("carica")
        elif modo == 3:
            self.c("file " + rng.choice([".", "partite", "guasti"]), rng.choice(["carica", "salva"]))
        elif modo == 4:
            self.c("file cartella-mancante/p.qnt", "salva")
        elif modo == 5 and self.guasti:
            nome = "guasti/" + rng.choice(self.guasti)
            self.file_usati.add(nome)
            self.c("file " + nome)
            self.risposta(0.5, 0.4)
            self.c("salva")
        else:
            self.c("file partite/s%d.qnt" % rng.randint(0, 3))
            self.risposta()
            self.c("carica")

    def risposta_vagante(self):
        self.c(self.rng.choices(["si", "no"], weights=[70, 30])[0])

    def genera(self, lunghezza):
        rng = self.rng
        if rng.random() < 0.35:
            self.obiettivo()
        if rng.random() < 0.25:
            self.avversario()
        passi = [
            (self.giocata, 70), (lambda: self.c("stato"), 6), (self.salva_propria, 3),
            (self.carica_propria, 2), (self.carica_guasto, 5), (self.carica_integro, 1),
            (self.nuova_partita, 1), (self.obiettivo, 1.5), (self.menu, 1),
            (self.avversario, 1.2), (lambda: self.c("suggerimento"), 1),
            (self.file_strani, 1.2), (self.risposta_vagante, 0.4),
        ]
        azioni, pesi = zip(*passi)
        while len(self.righe) < lunghezza:
            rng.choices(azioni, weights=pesi)[0]()
        if rng.random() < 0.5:
            self.c("stato")
        if rng.random() < 0.08:
            self.c("esci")
            if rng.random() < 0.5:
                self.c("stato")  # after the window has closed: never carried out

    def testo(self, intestazione):
        return "".join("# %s\n" % r for r in intestazione) + "".join(r + "\n" for r in self.righe)


def nome_comando(riga):
    return riga.split(" ", 1)[0]


# ---------------------------------------------------------------------------
# Runs


class Esecuzione:
    def __init__(self, uscita, errori, codice, file_lasciati, secondi):
        self.uscita = uscita
        self.errori = errori
        self.codice = codice
        self.file_lasciati = file_lasciati
        self.secondi = secondi


def file_di(cartella):
    """Every file under a folder, by relative path, with its bytes."""
    trovati = {}
    for radice, _, nomi in os.walk(cartella):
        for nome in nomi:
            percorso = Path(radice) / nome
            try:
                trovati[str(percorso.relative_to(cartella))] = percorso.read_bytes()
            except OSError as e:
                trovati[str(percorso.relative_to(cartella))] = ("illeggibile: %s" % e).encode()
    return trovati


def prepara(cartella, sorgente, file_usati):
    """A fresh folder with the partite/ sub-folder and the files the script names."""
    if cartella.exists():
        shutil.rmtree(cartella)
    (cartella / "partite").mkdir(parents=True)
    for nome in sorted(file_usati):
        destinazione = cartella / nome
        destinazione.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(sorgente / nome, destinazione)


def esegui(driver, seme, annunci, copione, cartella, limite):
    comando = [str(driver), "--seed", str(seme)] + (["--annunci"] if annunci else []) + [str(copione)]
    inizio = time.monotonic()
    # In a session of its own, so that a run out of time goes with all it started.
    processo = subprocess.Popen(comando, cwd=cartella, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                start_new_session=True)
    try:
        uscita, errori = processo.communicate(timeout=limite)
        codice = processo.returncode
    except subprocess.TimeoutExpired:
        os.killpg(processo.pid, signal.SIGKILL)
        uscita, errori = processo.communicate()
        codice = "tempo scaduto"
    secondi = time.monotonic() - inizio
    return Esecuzione(uscita, errori, codice, file_di(cartella), secondi)


def righe_leggibili(dati):
    return [r.decode("utf-8", "backslashreplace").replace("\r", "\\r") for r in dati.split(b"\n")]


def estratto_diff(a, b, nome_a, nome_b, massimo):
    righe = list(difflib.unified_diff(righe_leggibili(a), righe_leggibili(b), nome_a, nome_b, n=3, lineterm=""))
    if len(righe) > massimo:
        righe = righe[:massimo] + ["... (%d righe di diff in tutto)" % len(righe)]
    return righe


def prima_differenza(a, b):
    """The first line where two outputs part, and the last file dialog before it."""
    ra, rb = a.split(b"\n"), b.split(b"\n")
    i = 0
    while i < min(len(ra), len(rb)) and ra[i] == rb[i]:
        i += 1
    dialogo = "nessun file aperto prima"
    for riga in reversed(ra[:i]):
        if riga.startswith(b"DIALOG\t"):
            campi = riga.decode("utf-8", "backslashreplace").split("\t")
            dialogo = "%s %s" % (campi[1], campi[3] if len(campi) > 3 else "")
            break
    return i + 1, dialogo


def esiti_guasti(uscita):
    """How the loads of damaged files went, read from what the driver printed."""
    esiti = collections.Counter()
    righe = uscita.split(b"\n")
    i = 0
    while i < len(righe):
        campi = righe[i].split(b"\t")
        if len(campi) >= 4 and campi[0] == b"DIALOG" and campi[1] == b"open" and campi[3].startswith(b"guasti/"):
            esiti["aperti"] += 1
            j = i + 1
            esito = "non confermati"
            while j < len(righe) and not righe[j].startswith(b"DIALOG"):
                if righe[j].startswith(b"MSGBOX\tSicuro?"):
                    if not righe[j].endswith(b"\tsi"):
                        break
                    esito = "accettati"
                elif righe[j].startswith(b"MSGBOX\tErrore\t") and esito == "accettati":
                    esito = "respinti"
                    break
                elif righe[j].startswith(b"STATUS") and esito == "accettati":
                    break
                j += 1
            esiti[esito] += 1
        i += 1
    return esiti


def conta_eventi(uscita):
    conti = collections.Counter()
    for riga in uscita.split(b"\n"):
        if riga.startswith(b"MSGBOX\tPunti\t"):
            conti["mani finite"] += 1
        elif riga.startswith(b"MSGBOX\tVincitore\t"):
            conti["partite finite"] += 1
        elif riga.startswith(b"MSGBOX\tPareggio\t"):
            conti["spareggi"] += 1
        elif riga.startswith(b"IGNORATO\t"):
            conti["clic ignorati"] += 1
        elif riga.startswith(b"CHIUSO"):
            conti["finestre chiuse"] += 1
        elif riga.startswith(b"GIOCATA\t"):
            conti["giocate annunciate"] += 1
        elif riga.startswith(b"MSGBOX\tErrore\t"):
            conti["errori mostrati"] += 1
    return conti


# ---------------------------------------------------------------------------


def prima_passata(driver, lavoro, rng, quanti, limite):
    """Saved games made by the first driver at several points of play."""
    cartella = lavoro / "sorgenti"
    originali = lavoro / "originali"
    originali.mkdir(parents=True)
    for n in range(quanti):
        c = Copione(rng, [], [])
        if rng.random() < 0.4:
            c.obiettivo()
        nomi = []
        for k in range(rng.randint(3, 7)):
            for _ in range(rng.choice([0, 1, 2, 5, 10, 20, 30])):
                c.giocata()
            # Saves in the user's turn, in the pause after the computer's move
            # or after the user's click with a proposal on show.
            if rng.random() < 0.3:
                c.c("user %d" % rng.randint(0, 2))
            elif rng.random() < 0.2:
                c.c("giocatautente")
            nome = "s%02d.qnt" % k
            c.c("file " + nome, "salva")
            nomi.append(nome)
        copione = lavoro / ("sorgente-%03d.script" % n)
        copione.write_text(c.testo(["partite salvate della prima passata"]))
        prepara(cartella, lavoro, set())
        esecuzione = esegui(driver, rng.randrange(2 ** 32), False, copione.resolve(), cartella, limite)
        if esecuzione.codice != 0:
            errore("la prima passata di %s su %s è uscita con %s" % (driver, copione, esecuzione.codice))
        for nome in nomi:
            if (cartella / nome).is_file():
                shutil.copyfile(cartella / nome, originali / ("o%03d-%s" % (n, nome)))
    shutil.rmtree(cartella)
    visti = set()
    elenco = []
    for percorso in sorted(originali.iterdir()):
        dati = percorso.read_bytes()
        if dati in visti:
            percorso.unlink()
            continue
        visti.add(dati)
        elenco.append(percorso.name)
    if not elenco:
        errore("la prima passata di %s non ha salvato nessuna partita" % driver)
    return elenco


def main():
    parser = argparse.ArgumentParser(
        prog="differenziale.py",
        description="Esegue due driver quintello-script sugli stessi copioni casuali e ne confronta l'uscita.")
    parser.add_argument("--prima", required=True, help="il driver di riferimento")
    parser.add_argument("--dopo", required=True, help="il driver da confrontare")
    parser.add_argument("--cartella", required=True, help="cartella di lavoro (le sue sottocartelle vengono svuotate)")
    parser.add_argument("--copioni", type=int, default=500, help="quanti copioni (500)")
    parser.add_argument("--seme", type=int, default=1, help="seme dei copioni e dei file guasti (1)")
    parser.add_argument("--lavori", type=int, default=1, help="copioni eseguiti insieme (1)")
    parser.add_argument("--limite", type=float, default=120, help="secondi concessi a ogni esecuzione (120)")
    parser.add_argument("--mostra", type=int, default=5, help="differenze mostrate per esteso (5)")
    args = parser.parse_args()

    prima = Path(args.prima).resolve()
    dopo = Path(args.dopo).resolve()
    for driver in (prima, dopo):
        if not driver.is_file() or not os.access(driver, os.X_OK):
            errore("%s non è un programma eseguibile" % driver)
    if args.copioni < 1 or args.lavori < 1:
        errore("--copioni e --lavori vogliono un numero positivo")
    lavoro = Path(args.cartella).resolve()
    lavoro.mkdir(parents=True, exist_ok=True)
    for nome in SOTTOCARTELLE:
        shutil.rmtree(lavoro / nome, ignore_errors=True)
    for vecchio in list(lavoro.glob("esecuzione-*")) + list(lavoro.glob("sorgente-*.script")):
        shutil.rmtree(vecchio) if vecchio.is_dir() else vecchio.unlink()
    inizio = time.monotonic()
    rng = random.Random(args.seme)

    # The saved games and their damaged copies.
    integri = prima_passata(prima, lavoro, rng, max(8, min(60, args.copioni // 8)), args.limite)
    (lavoro / "integri").mkdir(exist_ok=True)
    for nome in integri:
        shutil.copyfile(lavoro / "originali" / nome, lavoro / "integri" / nome)
    (lavoro / "guasti").mkdir()
    guasti = []
    descrizioni = []
    for n in range(max(60, args.copioni)):
        origine = rng.choice(integri)
        dati, fatto = guasta(rng, (lavoro / "originali" / origine).read_bytes())
        nome = "g%04d.qnt" % n
        (lavoro / "guasti" / nome).write_bytes(dati)
        guasti.append(nome)
        descrizioni.append("%s\t%s\t%d byte\t%s\n" % (nome, origine, len(dati), " ".join(fatto)))
    (lavoro / "guasti.txt").write_text("".join(descrizioni))
    tipi_guasto = collections.Counter(f.split("@")[0].split("+")[0] for d in descrizioni for f in d.split("\t")[3].split())

    # The scripts.
    (lavoro / "copioni").mkdir()
    lavori = []
    uso = collections.Counter()
    uso_user = collections.Counter()
    caricamenti_guasti = 0
    giocate_esperto = 0
    for n in range(args.copioni):
        c = Copione(rng, guasti, integri)
        lunghezza = rng.choice([rng.randint(20, 120), rng.randint(100, 400), rng.randint(300, 700)])
        c.genera(lunghezza)
        lavori.append([n, c, rng.choice([rng.randrange(2 ** 16), rng.randrange(2 ** 64)]), n % 2 == 1])
    # Every command at least once, whatever the count: a missing one goes to
    # the shortest script, before its end.
    for comando in COMANDI:
        if not any(nome_comando(r) == comando for _, c, _, _ in lavori for r in c.righe):
            _, c, _, _ = min(lavori, key=lambda l: len(l[1]))
            aggiunta = {"user": ["user 1"], "file": ["file manca.qnt", "carica"], "esci": ["esci"],
                        "si": ["si", "newpart"], "no": ["no", "newpart"]}.get(comando, [comando])
            c.righe.extend(aggiunta)
    for n, c, seme, annunci in lavori:
        for r in c.righe:
            uso[nome_comando(r)] += 1
            if r.startswith("user "):
                uso_user[r] += 1
        caricamenti_guasti += c.caricamenti_guasti
        giocate_esperto += c.giocate_esperto
        percorso = lavoro / "copioni" / ("c%04d.script" % n)
        percorso.write_text(c.testo(["seed: %d%s" % (seme, " --annunci" if annunci else "")]))

    # Both drivers on each script, each time in the same fresh folder.
    posti = queue.Queue()
    for k in range(args.lavori):
        posti.put(lavoro / ("esecuzione-%d" % k))

    def confronta(lavoro_n):
        n, c, seme, annunci = lavoro_n
        copione = lavoro / "copioni" / ("c%04d.script" % n)
        cartella = posti.get()
        try:
            esiti = []
            for driver in (prima, dopo):
                prepara(cartella, lavoro, c.file_usati)
                esiti.append(esegui(driver, seme, annunci, copione, cartella, args.limite))
            a, b = esiti
            diverso = []
            if a.uscita != b.uscita:
                diverso.append("uscita")
            if a.codice != b.codice:
                diverso.append("codice")
            if a.errori != b.errori:
                diverso.append("stderr")
            if a.file_lasciati != b.file_lasciati:
                diverso.append("file")
            if diverso:
                conserva = lavoro / "differenze" / ("c%04d" % n)
                conserva.mkdir(parents=True)
                shutil.copyfile(copione, conserva / "copione.script")
                prepara(conserva / "iniziale", lavoro, c.file_usati)
                for nome, e in (("prima", a), ("dopo", b)):
                    (conserva / (nome + ".out")).write_bytes(e.uscita)
                    (conserva / (nome + ".err")).write_bytes(e.errori)
                (conserva / "comando.txt").write_text("".join(
                    "rm -rf /tmp/c%04d-%s && cp -r %s /tmp/c%04d-%s && (cd /tmp/c%04d-%s && %s --seed %d%s %s)\n"
                    % (n, nome, conserva / "iniziale", n, nome, n, nome, driver, seme,
                       " --annunci" if annunci else "", conserva / "copione.script")
                    for nome, driver in (("prima", prima), ("dopo", dopo))))
            return n, seme, annunci, a, b, diverso
        finally:
            posti.put(cartella)

    risultati = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=args.lavori) as esecutore:
        for r in esecutore.map(confronta, lavori):
            risultati.append(r)
            if sys.stderr.isatty():
                print("\r%d/%d" % (len(risultati), len(lavori)), end="", file=sys.stderr, flush=True)
    if sys.stderr.isatty():
        print(file=sys.stderr)
    for k in range(args.lavori):
        shutil.rmtree(lavoro / ("esecuzione-%d" % k), ignore_errors=True)

    # The summary.
    differenze = [r for r in risultati if r[5]]
    esiti = collections.Counter()
    eventi = collections.Counter()
    codici = {"prima": collections.Counter(), "dopo": collections.Counter()}
    secondi = {"prima": 0.0, "dopo": 0.0}
    peggiore = {"prima": (0.0, ""), "dopo": (0.0, "")}
    for n, _, _, a, b, _ in risultati:
        esiti.update(esiti_guasti(a.uscita))
        eventi.update(conta_eventi(a.uscita))
        for nome, e in (("prima", a), ("dopo", b)):
            codici[nome][str(e.codice)] += 1
            secondi[nome] += e.secondi
            if e.secondi > peggiore[nome][0]:
                peggiore[nome] = (e.secondi, "c%04d" % n)
    totale = sum(uso.values())
    print("differenziale: %d copioni, %d comandi, seme %d" % (len(risultati), totale, args.seme))
    print("  prima: %s" % prima)
    print("  dopo:  %s" % dopo)
    print("  cartella: %s" % lavoro)
    print("comandi usati:")
    for comando in COMANDI:
        extra = ""
        if comando == "user":
            extra = "  (" + ", ".join("%s: %d" % (k, uso_user[k]) for k in sorted(uso_user)) + ")"
        print("  %-14s %7d%s%s" % (comando, uso[comando], extra, "   MAI USATO" if uso[comando] == 0 else ""))
    print("  giocatautente con Esperto avversario: %d di %d" % (giocate_esperto, uso["giocatautente"]))
    print("file guasti: %d, fatti da %d partite salvate dalla prima passata" % (len(guasti), len(integri)))
    print("  guasti fatti: " + ", ".join("%s %d" % kv for kv in sorted(tipi_guasto.items())))
    print("  caricamenti di file guasti nei copioni: %d; dialoghi aperti: %d, confermati e respinti: %d, "
          "confermati e accettati: %d, non confermati: %d"
          % (caricamenti_guasti, esiti["aperti"], esiti["respinti"], esiti["accettati"], esiti["non confermati"]))
    print("nel gioco (prima): " + ", ".join("%s %d" % (k, eventi[k]) for k in sorted(eventi)))
    for nome in ("prima", "dopo"):
        print("esecuzioni %s: %.1f s in tutto, la più lunga %.2f s (%s); codici d'uscita: %s"
              % (nome, secondi[nome], peggiore[nome][0], peggiore[nome][1],
                 ", ".join("%s x%d" % kv for kv in sorted(codici[nome].items()))))
    print("tempo totale: %.1f s" % (time.monotonic() - inizio))
    print("differenze: %d copioni su %d" % (len(differenze), len(risultati)))
    # Grouped by the last file the game opened before the outputs part: a
    # change in how saved games are read shows up as one damaged file after another.
    gruppi = collections.defaultdict(list)
    for n, _, _, a, b, diverso in differenze:
        if "uscita" in diverso:
            riga, dialogo = prima_differenza(a.uscita, b.uscita)
            gruppi[dialogo].append("c%04d:%d" % (n, riga))
        else:
            gruppi["uscita uguale, diverso in " + ", ".join(diverso)].append("c%04d" % n)
    guasto = {d.split("\t")[0]: d.split("\t")[3].strip() for d in descrizioni}
    for dialogo, copioni in sorted(gruppi.items(), key=lambda g: -len(g[1])):
        nome = dialogo.split("/")[-1]
        spiega = "  [%s]" % guasto[nome] if dialogo.startswith("open guasti/") and nome in guasto else ""
        print("  %s%s: %s" % (dialogo, spiega, " ".join(copioni)))
    for n, seme, annunci, a, b, diverso in differenze[:args.mostra]:
        print()
        print("--- c%04d.script (seed %d%s): diverso in %s; codici %s / %s"
              % (n, seme, " --annunci" if annunci else "", ", ".join(diverso), a.codice, b.codice))
        print("    per rifarlo: %s" % (lavoro / "differenze" / ("c%04d" % n) / "comando.txt"))
        if "uscita" in diverso:
            for riga in estratto_diff(a.uscita, b.uscita, "prima", "dopo", 40):
                print("    " + riga)
        if "stderr" in diverso:
            for riga in estratto_diff(a.errori, b.errori, "prima (stderr)", "dopo (stderr)", 10):
                print("    " + riga)
        if "file" in diverso:
            nomi = sorted(set(a.file_lasciati) | set(b.file_lasciati))
            for nome in nomi:
                if a.file_lasciati.get(nome) != b.file_lasciati.get(nome):
                    print("    file diverso: %s (prima %s, dopo %s)" % (
                        nome, "%d byte" % len(a.file_lasciati[nome]) if nome in a.file_lasciati else "assente",
                        "%d byte" % len(b.file_lasciati[nome]) if nome in b.file_lasciati else "assente"))
    if len(differenze) > args.mostra:
        print()
        print("altri copioni diversi: " + " ".join("c%04d" % r[0] for r in differenze[args.mostra:]))
    return 1 if differenze else 0


if __name__ == "__main__":
    sys.exit(main())
