#!/usr/bin/env python3
"""Writes en_ud_classes.tsv: how often each frequent English word form is each
part of speech, counted in a hand-tagged treebank (UD English-EWT, training
split, CC BY-SA 4.0; see NOTICE).

usage: en_ud_classes.py TRAIN.conllu [--forms N] > tools/datacomp/en_ud_classes.tsv

One line per form, most frequent first: the form in lower case, the number of
times it occurs, then CLASS:COUNT pairs (Universal POS tags), most frequent
class first. Only forms made of letters (an inner apostrophe, hyphen or period
allowed) are counted; the N most frequent are kept (5,000 by default). Ties are
broken by the form, so the file is the same on every run.
"""
import argparse
import collections
import re
import sys

WORD = re.compile(r"^[a-z]+(?:['.-][a-z]+)*$")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("conllu")
    ap.add_argument("--forms", type=int, default=5000)
    args = ap.parse_args()
    counts = collections.defaultdict(collections.Counter)
    with open(args.conllu, encoding="utf-8") as f:
        for line in f:
            if not line.strip() or line.startswith("#"):
                continue
            cols = line.rstrip("\n").split("\t")
            if len(cols) < 4 or not cols[0].isdigit():
                continue   # multiword ranges (3-4) and empty nodes (3.1)
            form = cols[1].lower()
            if WORD.match(form):
                counts[form][cols[3]] += 1
    ranked = sorted(counts.items(), key=lambda kv: (-sum(kv[1].values()), kv[0]))[: args.forms]
    out = sys.stdout
    out.write("# form\ttotal\tclass:count ... (UD English-EWT train, CC BY-SA 4.0; made by en_ud_classes.py)\n")
    for form, c in ranked:
        classes = " ".join(f"{k}:{n}" for k, n in sorted(c.items(), key=lambda kv: (-kv[1], kv[0])))
        out.write(f"{form}\t{sum(c.values())}\t{classes}\n")


if __name__ == "__main__":
    main()
