#!/usr/bin/env python3
"""Write a text of distinct dictionary words, each once, that the checker accepts.

A novel repeats its words, so the word memos answer most lookups; this text
does not, so its spelling time is the cold lookup's.  English words come from
the scowl lists (sizes 10-60), French ones from the stems of fr.dic.  The words
are shuffled with a fixed seed, checked once with `krzcheck spell`, and those
it flags are dropped; a handful may still draw a finding from their new
neighbours (14 and 2 in 30,000 words), which a before/after comparison keeps.

  bench/distinct_words.py en 30000 --krzcheck build/krzcheck > /tmp/en_distinct.txt
  build/krzcheck --lang en spell /tmp/en_distinct.txt      # prints nothing
"""
import argparse, random, re, subprocess, tempfile

def english_words():
    out = []
    for size in (10, 20, 35, 40, 50, 55, 60):
        with open(f"/usr/share/dict/scowl/english-words.{size}", encoding="utf-8", errors="replace") as f:
            out += [w.strip() for w in f]
    return out

def french_words():
    with open("/usr/share/hunspell/fr.dic", encoding="utf-8") as f:
        next(f)
        return [line.split()[0].split("/")[0] for line in f if line.strip()]

def write_text(words, path):
    with open(path, "w", encoding="utf-8") as f:
        for i in range(0, len(words), 10):
            f.write(" ".join(words[i:i + 10]) + "\n")

def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("lang", choices=("en", "fr"))
    ap.add_argument("count", type=int)
    ap.add_argument("--krzcheck", default="build/krzcheck")
    ap.add_argument("--seed", type=int, default=57)
    a = ap.parse_args()
    pool = english_words() if a.lang == "en" else french_words()
    letters = re.compile(r"^[^\W\d_]{2,}$")
    words = sorted({w for w in pool if letters.match(w)})
    random.Random(a.seed).shuffle(words)
    words = words[: a.count * 2]
    with tempfile.NamedTemporaryFile(suffix=".txt") as tmp:
        write_text(words, tmp.name)
        res = subprocess.run([a.krzcheck, "--lang", a.lang, "spell", tmp.name],
                             capture_output=True, text=True)  # exit 1: findings
    flagged = {line.split("\t")[2] for line in res.stdout.splitlines() if line.count("\t") >= 2}
    kept = [w for w in words if w not in flagged]
    seen = set()
    kept = [w for w in kept if not (w.lower() in seen or seen.add(w.lower()))][: a.count]
    for i in range(0, len(kept), 10):
        print(" ".join(kept[i:i + 10]))

if __name__ == "__main__":
    main()
