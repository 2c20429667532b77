/* The floor of a preview: the least work that gives the same rows as
 *   rinolux-regel --regel "Ändern: alle Leerzeichen durch _ ersetzen" --verzeichnis DIR
 * Lists the directory, sorts the names bytewise, replaces every blank by "_", marks
 * new names that two rows share (ASCII case folded, in a hash table), and prints the
 * rows in the program's column layout with the summary line. No Unicode, no locale, no
 * undo: what is left when everything that is not the job itself is taken away.
 *
 *   vorschau_boden DIR
 */
#define _GNU_SOURCE
#include <dirent.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

struct zeile {
    const char *alt;
    char *neu;
    size_t laenge;
    uint64_t hash;
    int doppelt;
};

static char *puffer;
static size_t pufferBelegt, pufferGroesse;

static const char *merken(const char *s, size_t n)
{
    if (pufferBelegt + n + 1 > pufferGroesse) {
        pufferGroesse = (pufferGroesse + n + 1) * 2;
        /* The names are referred to by offset until the list is complete. */
        puffer = realloc(puffer, pufferGroesse);
        if (!puffer) {
            perror("realloc");
            exit(2);
        }
    }
    memcpy(puffer + pufferBelegt, s, n + 1);
    const char *ort = (const char *)(uintptr_t)pufferBelegt;
    pufferBelegt += n + 1;
    return ort;
}

static int vergleichen(const void *a, const void *b)
{
    return strcmp(((const struct zeile *)a)->alt, ((const struct zeile *)b)->alt);
}

static uint64_t gefaltetHash(const char *s, size_t n)
{
    uint64_t h = 1469598103934665603ull;
    for (size_t i = 0; i < n; ++i) {
        unsigned char c = (unsigned char)s[i];
        if (c >= 'A' && c <= 'Z')
            c += 32;
        h = (h ^ c) * 1099511628211ull;
    }
    return h;
}

static int gefaltetGleich(const char *a, const char *b, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = (unsigned char)a[i], y = (unsigned char)b[i];
        if (x >= 'A' && x <= 'Z')
            x += 32;
        if (y >= 'A' && y <= 'Z')
            y += 32;
        if (x != y)
            return 0;
    }
    return 1;
}

/* Counts as the program writes them: groups of three digits with ".". */
static const char *zahl(size_t n, char *puffer)
{
    char ziffern[32];
    int k = snprintf(ziffern, sizeof ziffern, "%zu", n), o = 0;
    for (int i = 0; i < k; ++i) {
        if (i > 0 && (k - i) % 3 == 0)
            puffer[o++] = '.';
        puffer[o++] = ziffern[i];
    }
    puffer[o] = 0;
    return puffer;
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "Aufruf: vorschau_boden VERZEICHNIS\n");
        return 2;
    }
    char pfad[4096];
    snprintf(pfad, sizeof pfad, "%s%s", argv[1], argv[1][strlen(argv[1]) - 1] == '/' ? "" : "/");
    DIR *d = opendir(pfad);
    if (!d) {
        perror(pfad);
        return 2;
    }
    size_t anzahl = 0, platz = 1024;
    struct zeile *z = malloc(platz * sizeof *z);
    struct dirent *e;
    while ((e = readdir(d))) {
        if (e->d_name[0] == '.' && (e->d_name[1] == 0 || (e->d_name[1] == '.' && e->d_name[2] == 0)))
            continue;
        if (anzahl == platz) {
            platz *= 2;
            z = realloc(z, platz * sizeof *z);
        }
        z[anzahl].alt = merken(e->d_name, strlen(e->d_name));
        ++anzahl;
    }
    closedir(d);
    for (size_t i = 0; i < anzahl; ++i)
        z[i].alt = puffer + (uintptr_t)z[i].alt;
    qsort(z, anzahl, sizeof *z, vergleichen);

    char *neuPuffer = malloc(pufferBelegt + 1);
    size_t neuBelegt = 0;
    for (size_t i = 0; i < anzahl; ++i) {
        size_t n = strlen(z[i].alt);
        char *neu = neuPuffer + neuBelegt;
        for (size_t k = 0; k < n; ++k)
            neu[k] = z[i].alt[k] == ' ' ? '_' : z[i].alt[k];
        neu[n] = 0;
        neuBelegt += n + 1;
        z[i].neu = neu;
        z[i].laenge = n;
        z[i].hash = gefaltetHash(neu, n);
        z[i].doppelt = 0;
    }

    /* Open addressing over row numbers; a table twice the row count stays sparse. */
    size_t tabGroesse = 1;
    while (tabGroesse < anzahl * 2 + 2)
        tabGroesse <<= 1;
    size_t *tab = calloc(tabGroesse, sizeof *tab); /* row + 1, 0 = free */
    for (size_t i = 0; i < anzahl; ++i) {
        size_t k = z[i].hash & (tabGroesse - 1);
        while (tab[k]) {
            struct zeile *o = &z[tab[k] - 1];
            if (o->hash == z[i].hash && o->laenge == z[i].laenge && gefaltetGleich(o->neu, z[i].neu, z[i].laenge)) {
                o->doppelt = z[i].doppelt = 1;
                break;
            }
            k = (k + 1) & (tabGroesse - 1);
        }
        if (!tab[k])
            tab[k] = i + 1;
    }

    size_t fehler = 0, frei = 0;
    for (size_t i = 0; i < anzahl; ++i) {
        const char *ergebnis;
        if (z[i].doppelt) {
            ergebnis = "neuer Name doppelt";
            ++fehler;
        } else if (strcmp(z[i].alt, z[i].neu) == 0) {
            ergebnis = "keine Veränderung";
            ++frei;
        } else {
            ergebnis = "ok";
            ++frei;
        }
        fputs(pfad, stdout);
        putchar('\t');
        fputs(z[i].alt, stdout);
        fputs("\t\t\t\t\t", stdout);
        fputs(pfad, stdout);
        putchar('\t');
        fputs(z[i].neu, stdout);
        fputs("\t\t\t", stdout);
        fputs(ergebnis, stdout);
        putchar('\n');
    }
    char a[48], b[48];
    if (fehler == 0)
        printf("Alle %s können geändert werden. ->\n", zahl(frei, a));
    else
        printf("Nur %s können geändert werden. %s sind fehlerhaft. ->\n", zahl(frei, a), zahl(fehler, b));
    return 0;
}
