"""Makes the program's two short sounds: open.wav, a soft rising chime as an alert opens, and
alert.wav, three quick beeps. Run from anywhere; writes assets/Sounds."""
import math
import os

from files import wav_bytes

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "..", "assets", "Sounds")
RATE = 22050


def tone(freq, seconds, volume, decay):
    n = int(RATE * seconds)
    attack = int(RATE * 0.005)
    out = []
    for i in range(n):
        t = i / RATE
        envelope = min(1.0, i / attack) * math.exp(-decay * t)
        out.append(volume * envelope * (math.sin(2 * math.pi * freq * t) + 0.25 * math.sin(4 * math.pi * freq * t)))
    return out


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def main():
    os.makedirs(OUT, exist_ok=True)
    chime = tone(880, 0.14, 0.45, 9) + tone(1318.5, 0.22, 0.45, 10)
    beeps = []
    for _ in range(3):
        beeps += tone(1046.5, 0.09, 0.5, 6) + silence(0.06)
    for name, samples in (("open.wav", chime), ("alert.wav", beeps)):
        with open(os.path.join(OUT, name), "wb") as out:
            out.write(wav_bytes(RATE, samples))


if __name__ == "__main__":
    main()
