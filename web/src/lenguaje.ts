// The editor's colouring: every visible line is split by the project's own highlighter (inside the module)
// and painted with the highlighter's own colours.
import { RangeSetBuilder, StateEffect, StateField, type Extension } from '@codemirror/state';
import { Decoration, EditorView, ViewPlugin, type DecorationSet, type ViewUpdate } from '@codemirror/view';
import type { ModuloVelmo } from './modulo';

export function coloreadoVelmo(modulo: ModuloVelmo): Extension {
  const reglas: Record<string, Record<string, string>> = {};
  const marcas = new Map<string, Decoration>();
  for (const estilo of modulo.estilos()) {
    const regla: Record<string, string> = {};
    if (estilo.color) regla.color = estilo.color;
    if (estilo.fondo) regla.backgroundColor = estilo.fondo;
    if (estilo.negrita) regla.fontWeight = 'bold';
    if (estilo.cursiva) regla.fontStyle = 'italic';
    reglas[`.velmo-${estilo.clase}`] = regla;
    marcas.set(estilo.clase, Decoration.mark({ class: `velmo-${estilo.clase}` }));
  }

  function decora(view: EditorView): DecorationSet {
    const constructor = new RangeSetBuilder<Decoration>();
    for (const { from, to } of view.visibleRanges) {
      for (let pos = from; pos <= to;) {
        const linea = view.state.doc.lineAt(pos);
        for (const token of modulo.tokens(linea.text)) {
          const marca = marcas.get(token.clase);
          if (marca && token.longitud > 0) {
            constructor.add(linea.from + token.inicio, linea.from + token.inicio + token.longitud, marca);
          }
        }
        pos = linea.to + 1;
      }
    }
    return constructor.finish();
  }

  const complemento = ViewPlugin.fromClass(
    class {
      decorations: DecorationSet;
      constructor(view: EditorView) {
        this.decorations = decora(view);
      }
      update(u: ViewUpdate) {
        if (u.docChanged || u.viewportChanged) this.decorations = decora(u.view);
      }
    },
    { decorations: (v) => v.decorations },
  );
  return [complemento, EditorView.baseTheme(reglas)];
}

/** The line of the first assembly error, marked until the text changes or another assembly runs. */
export const marcaLineaError = StateEffect.define<number>(); // 1-based line, -1 clears

const decoracionError = Decoration.line({ class: 'linea-error' });

export const lineaError = StateField.define<DecorationSet>({
  create: () => Decoration.none,
  update(valor, tr) {
    valor = valor.map(tr.changes);
    for (const efecto of tr.effects) {
      if (efecto.is(marcaLineaError)) {
        const n = efecto.value;
        valor =
          n >= 1 && n <= tr.state.doc.lines
            ? Decoration.set([decoracionError.range(tr.state.doc.line(n).from)])
            : Decoration.none;
      }
    }
    return valor;
  },
  provide: (f) => EditorView.decorations.from(f),
});
