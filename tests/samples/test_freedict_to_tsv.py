"""Checks tools/samples/freedict_to_tsv.py on small dictionaries in dictd
format written here: headwords and translations taken from the entries'
texts, the byte limits of the code page, characters the code page lacks,
merging, reversing, and (when NORVA_WBTOOL names wbtool) that wbtool imports
what it writes."""
import gzip
import importlib.util
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
CONVERTER = os.environ.get('NORVA_FREEDICT_TOOL') or os.path.join(
    HERE, '..', '..', 'tools', 'samples', 'freedict_to_tsv.py')

sys.dont_write_bytecode = True   # no __pycache__ among the sources
module_spec = importlib.util.spec_from_file_location('freedict_to_tsv', CONVERTER)
ftt = importlib.util.module_from_spec(module_spec)
module_spec.loader.exec_module(ftt)

BASE64 = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/'


def encode_number(n):
    digits = ''
    while True:
        digits = BASE64[n % 64] + digits
        n //= 64
        if n == 0:
            return digits


def write_dictd(base, entries, info=True, extra_keys=()):
    """Writes base.index and base.dict.dz for the entry texts given as
    (key, text); extra_keys are (key, number of an entry) that point at an
    entry's text a second time."""
    data = b''
    spans = []
    if info:
        entries = [('00databaseinfo', '00-database-info\nA test dictionary\n')] + list(entries)
    for key, text in entries:
        raw = text.encode('utf-8')
        spans.append((key, len(data), len(raw)))
        data += raw
    lines = ['%s\t%s\t%s' % (k, encode_number(o), encode_number(n)) for k, o, n in spans]
    offset = 1 if info else 0
    for key, number in extra_keys:
        _, o, n = spans[number + offset]
        lines.append('%s\t%s\t%s' % (key, encode_number(o), encode_number(n)))
    with open(base + '.index', 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines) + '\n')
    with gzip.open(base + '.dict.dz', 'wb') as f:
        f.write(data)


class ConverterTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix='norva-freedict-')
        self.base = os.path.join(self.folder, 'freedict-xxx-eng')

    def tearDown(self):
        shutil.rmtree(self.folder, ignore_errors=True)

    def rows(self, entries, charset=0, reverse=False, **kw):
        write_dictd(self.base, entries, **kw)
        return list(ftt.convert(self.base, charset, reverse).rows())

    def test_index_numbers_are_base64_most_significant_first(self):
        self.assertEqual(ftt.decode_number('A'), 0)
        self.assertEqual(ftt.decode_number('B'), 1)
        self.assertEqual(ftt.decode_number('BA'), 64)
        self.assertEqual(ftt.decode_number('Bh'), 97)
        self.assertEqual(ftt.decode_number('/+'), 63 * 64 + 62)
        with self.assertRaises(ValueError):
            ftt.decode_number('A-')

    def test_headword_from_the_text_not_the_index_key(self):
        rows = self.rows([('marke', 'Marke /\u02c8mark\u0259/ <fem, n, sg>\n make <n>\n'),
                          ('chat', 'chat <n, masc>\ncat\n')])
        self.assertEqual(rows, [('Marke', 'make'), ('chat', 'cat')])

    def test_senses_are_joined_and_labels_examples_notes_and_references_left_out(self):
        text = ('principal /pr\u025b\u0303sipal/ <adj>\n'
                '1. most important\n'
                '2. main; [econ.] chief {ref}\n'
                '      "an example sentence"  - ein Beispiel\n'
                '         Note: of a product\n'
                ' see: {Fabrikat}, {Marken}\n'
                'Synonym: {Haupt}\n\n')
        self.assertEqual(self.rows([('principal', text)]),
                         [('principal', 'most important, main, chief')])

    def test_abbreviations_and_pronunciations_inside_senses_left_out(self):
        text = ('Stra\u00dfe /\u0283t\u027e\u02c8\u0251\u02d0s\u0259/ <fem, n, sg>\n'
                'avenue <n>Ave,  /\u02c8\u0251\u02d0v\u025b/ , alley <n>\n'
                'road <n>Rd,  /\u02cc\u025b\u027ed\u02c8e\u02d0/\n'
                'and/or, either/or\n')
        self.assertEqual(self.rows([('strasse', text)]),
                         [('Stra\u00dfe', 'avenue, alley, road, and/or, either/or')])

    def test_colons_separate_alternatives_and_only_known_labels_mark_notes(self):
        text = ('au\u00dfer /x/ ([+ dat]) <prep>\n'
                'except: excepting <prep>, bar <prep> [Br.] , save <prep> [formal]\n'
                '   Synonyms: {ausgenommen}\n'
                'See also: {sonst}\n')
        quoted = 'Anzeige\n"on line" sign\n         Note: railway\n'
        self.assertEqual(self.rows([('ausser', text), ('anzeige', quoted)]),
                         [('au\u00dfer', 'except, excepting, bar, save'),
                          ('Anzeige', '"on line" sign')])

    def test_commas_inside_parentheses_do_not_split(self):
        self.assertEqual(self.rows([('x', 'x\nto (a, b) go, walk\n')]),
                         [('x', 'to (a, b) go, walk')])

    def test_translation_takes_what_fits_in_fifty_bytes(self):
        a = 'a' * 20
        b = 'b' * 26          # a + ", " + b = 48 bytes
        c = 'c' * 5           # would make 55
        d = 'd'               # 48 + 3 = 51: does not fit either
        rows = self.rows([('w', 'w\n%s, %s, %s, %s\n' % (a, b, c, d))])
        self.assertEqual(rows, [('w', a + ', ' + b)])
        exact = 'e' * 47       # 47 + ", " + "f" = 50 bytes
        rows = self.rows([('v', 'v\n%s, %s\n' % ('x' * 60, 'y' * 50))])
        self.assertEqual(rows, [('v', 'y' * 50)])
        rows = self.rows([('u', 'u\n%s, f\n' % exact)])
        self.assertEqual(rows, [('u', exact + ', f')])

    def test_limits_count_bytes_of_the_code_page_not_utf8(self):
        # Cyrillic letters take one byte in code page 1251, two in UTF-8.
        word = '\u0436' * 25
        head = '\u0448' * 30
        rows = self.rows([('w', '%s\n%s, %s, %s\n' % (head, word, word[:23], word[:1]))],
                         charset=204)
        self.assertEqual(rows, [(head, word + ', ' + word[:23])])
        self.assertEqual(len(rows[0][1].encode('cp1251')), 50)

    def test_headwords_over_thirty_bytes_are_skipped(self):
        rows = self.rows([('a', 'a' * 30 + '\none\n'), ('b', 'b' * 31 + '\ntwo\n')])
        self.assertEqual(rows, [('a' * 30, 'one')])

    def test_characters_outside_the_code_page(self):
        rows = self.rows([
            ('pijn', 'p\u0133n /p\u025bin/\npain \u2013 ache, \u201cquoted\u201d\n'),
            ('lodz', 'x\n\u0141\u00f3d\u017a, \u03b1\u03b2\u03b3, keep\n'),
            ('greek', '\u03b1\u03b2\nalpha\n')])
        # The ligature becomes ij in the headword; the en dash exists in 1252
        # and stays, the curly quotes too; the Polish letters are folded, the
        # Greek alternative dropped and the Greek headword skipped; the 1252
        # letter o-acute is kept, only the letters 1252 lacks are folded.
        self.assertEqual(rows, [('pijn', 'pain \u2013 ache, \u201cquoted\u201d'),
                                ('x', 'L\u00f3dz, keep')])

    def test_dashes_and_quotes_become_ascii_where_the_code_page_lacks_them(self):
        rows = self.rows([('w', 'w\nmid\u2010air, \u2018a\u2019\n')], charset=500)
        self.assertEqual(rows, [('w', "mid-air, 'a'")])
        # Latin-3 holds the Esperanto letters: they are kept, not folded.
        rows = self.rows([('cxu', '\u0109u\nwhether\n'), ('e', 'e\n\u015dipo\n')], charset=500)
        self.assertEqual(rows, [('\u0109u', 'whether'), ('e', '\u015dipo')])

    def test_accents_in_headwords_are_not_folded(self):
        rows = self.rows([('d', 'd\u00e9j\u00e0\nalready\n')], charset=204)
        self.assertEqual(rows, [])

    def test_duplicates_merged_and_entries_without_translation_skipped(self):
        rows = self.rows([('kato', 'kato /k/\ncat\n'), ('kato', 'kato /k/\ncat, puss\n'),
                          ('Kato', 'Kato\nKato (name)\n'), ('nul', 'nul\n[only a label]\n')],
                         extra_keys=[('katoj', 0)])
        self.assertEqual(rows, [('kato', 'cat, puss'), ('Kato', 'Kato (name)')])

    def test_no_tab_or_newline_inside_a_field(self):
        rows = self.rows([('t', 'ta\tb /x/\none\ttwo\r\n')])
        self.assertEqual(rows, [('ta b', 'one two')])

    def test_database_information_entries_are_not_words(self):
        rows = self.rows([('00databaseurl', '00-database-url\nhttp://example\n'),
                          ('w', 'w\nword\n')])
        self.assertEqual(rows, [('w', 'word')])

    def test_reverse_makes_the_translations_headwords(self):
        rows = self.rows([('age', 'age /e\u026ad\u0292/\n\u0432\u043e\u0437\u0440\u0430\u0441\u0442\n'),
                          ('epoch', 'epoch\n1. \u044d\u043f\u043e\u0445\u0430, \u0432\u043e\u0437\u0440\u0430\u0441\u0442\n')],
                         charset=204, reverse=True)
        self.assertEqual(rows, [('\u0432\u043e\u0437\u0440\u0430\u0441\u0442', 'age, epoch'),
                                ('\u044d\u043f\u043e\u0445\u0430', 'epoch')])

    def test_command_line_writes_the_table_and_reports(self):
        write_dictd(self.base, [('chat', 'chat\ncat\n'), ('chien', 'chien\ndog, hound\n')])
        out = os.path.join(self.folder, 'out.tsv')
        result = subprocess.run([sys.executable, CONVERTER, self.base, out, '--charset', '0'],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn('2 entries', result.stderr)
        with open(out, 'rb') as f:
            self.assertEqual(f.read(), b'chat\tcat\nchien\tdog, hound\n')
        empty = os.path.join(self.folder, 'empty')
        write_dictd(empty, [])
        result = subprocess.run([sys.executable, CONVERTER, empty, out], capture_output=True)
        self.assertEqual(result.returncode, 1)

    @unittest.skipUnless(os.environ.get('NORVA_WBTOOL'), 'NORVA_WBTOOL names no wbtool')
    def test_wbtool_imports_the_table(self):
        write_dictd(self.base, [
            ('pijn', 'p\u0133n\npain \u2013 ache\n'),
            ('long', 'long\n' + ', '.join(['alternative%d' % i for i in range(20)]) + '\n'),
            ('zhuk', '\u0436\u0443\u043a\n\u201cbeetle\u201d, caf\u00e9\n')])
        for charset, codec in ((0, 'cp1252'), (204, 'cp1251'), (500, 'iso8859_3')):
            out = os.path.join(self.folder, 'out%d.tsv' % charset)
            wb = os.path.join(self.folder, 'out%d.wb' % charset)
            subprocess.run([sys.executable, CONVERTER, self.base, out, '--charset', str(charset)],
                           check=True, capture_output=True)
            subprocess.run([os.environ['NORVA_WBTOOL'], 'import', out, wb, '--charset', str(charset)],
                           check=True)
            with open(out, encoding='utf-8') as f:
                rows = [line.rstrip('\n').split('\t') for line in f]
            self.assertEqual(os.path.getsize(wb), 84 * len(rows))
            with open(wb, 'rb') as f:
                data = f.read()
            for i, (headword, translation) in enumerate(rows):
                record = data[84 * i:84 * (i + 1)]
                self.assertEqual(record[:31].split(b'\0')[0], headword.encode(codec))
                self.assertEqual(record[31:82].split(b'\0')[0], translation.encode(codec))


if __name__ == '__main__':
    unittest.main()
