#!/usr/bin/env python3
"""Writes the language files from texts.tsv (format described at its top).

    make_language_files.py TEXTS_TSV OUTPUT_FOLDER

Each language column becomes "<column>.ini", the comments "comment.ini", all written the way
the language file manager writes them: UTF-8 with byte-order mark, CR LF line ends, the header
"ProjectName=Korvane", then "<id>=<text>" in ascending order. Files whose content is unchanged
are not rewritten. Exits with 1 and a message on a malformed table.
"""
import os
import re
import sys

HEADER = "ProjectName=Korvane"
# Parts of a text that TranslateText splits off and never looks up.
UNTRANSLATED_TAIL = re.compile(r"(\.\.\.|: |[*:]| +[+-]?(\d+\.?\d*|\.\d+))$")


def fail(path, line, message):
    sys.stderr.write(f"{path}:{line}: {message}\n")
    sys.exit(1)


def read_table(path):
    columns, rows = None, []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if columns is None:
                columns = fields
                if len(columns) < 3 or columns[0] != "id" or columns[1] != "English (US)" \
                        or columns[-1] != "comment":
                    fail(path, number, 'header must be "id", "English (US)", ..., "comment"')
                continue
            if len(fields) != len(columns):
                fail(path, number, f"{len(fields)} fields, expected {len(columns)}")
            rows.append((number, fields))
    if columns is None:
        fail(path, 1, "no header line")
    return columns, rows


def check(path, rows):
    last, seen = 0, {}
    for line, fields in rows:
        if not fields[0].isdigit() or int(fields[0]) <= last:
            fail(path, line, f'id "{fields[0]}" is not a number above {last}')
        last = int(fields[0])
        english = fields[1]
        if not english or english != english.strip():
            fail(path, line, "English text empty or with white space at an end")
        if not english.isascii():
            fail(path, line, "English text must be ASCII")
        if UNTRANSLATED_TAIL.search(english):
            fail(path, line, "English text ends in a part that is never looked up")
        key = english.lower()
        if key in seen:
            fail(path, line, f"same English text as id {seen[key]} (letter case does not count)")
        seen[key] = fields[0]


def write_if_changed(path, lines):
    data = ("\ufeff" + "".join(l + "\r\n" for l in lines)).encode("utf-8")
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return
    except OSError:
        pass
    with open(path, "wb") as f:
        f.write(data)


def main():
    if len(sys.argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    table, folder = sys.argv[1], sys.argv[2]
    columns, rows = read_table(table)
    check(table, rows)
    os.makedirs(folder, exist_ok=True)
    for index, language in enumerate(columns[1:-1], 1):
        lines = [HEADER] + [f"{fields[0]}={fields[index]}" for _, fields in rows]
        write_if_changed(os.path.join(folder, language + ".ini"), lines)
    comments = [f"{fields[0]}={fields[-1]}" for _, fields in rows if fields[-1]]
    write_if_changed(os.path.join(folder, "comment.ini"), [HEADER] + comments)
    return 0


if __name__ == "__main__":
    sys.exit(main())
