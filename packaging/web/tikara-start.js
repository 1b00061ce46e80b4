// Starts Tikara in the page. It checks that the browser can run the program, fetches it with
// its progress shown (the compressed files, where the browser can unpack them itself, so any
// static web space serves them), starts it in the page's screen and shows the end screen after
// STOP. The page stores nothing of the learner and asks for nothing but its own files.
'use strict';
(function () {
  const versie = document.body.dataset.versie;
  const laden = document.getElementById('laden');
  const tekst = document.getElementById('tekst');
  const voortgang = document.getElementById('voortgang');
  const scherm = document.getElementById('scherm');
  const einde = document.getElementById('einde');
  const kanUitpakken = 'DecompressionStream' in window;

  function meld(boodschap) {
    tekst.textContent = boodschap;
    voortgang.hidden = true;
    laden.hidden = false;
    laden.setAttribute('role', 'alert');
  }

  function heeftWebGL() {
    try {
      const canvas = document.createElement('canvas');
      return Boolean(canvas.getContext('webgl2') || canvas.getContext('webgl'));
    } catch (e) {
      return false;
    }
  }

  // A file of the page as bytes; gzip-compressed where the browser unpacks it. A server that
  // already unpacked it on the way (Content-Encoding) hands over the plain bytes.
  async function haal(naam, toonDeel) {
    const antwoord = await fetch((kanUitpakken ? naam + '.gz' : naam) + '?v=' + versie);
    if (!antwoord.ok)
      throw new Error(naam + ' gaf ' + antwoord.status);
    const totaal = Number(antwoord.headers.get('Content-Length')) || 0;
    const lezer = antwoord.body.getReader();
    const stukken = [];
    let binnen = 0;
    for (;;) {
      const { done, value } = await lezer.read();
      if (done)
        break;
      stukken.push(value);
      binnen += value.length;
      if (toonDeel && totaal)
        toonDeel(Math.min(binnen / totaal, 1));
    }
    const blob = new Blob(stukken);
    const begin = new Uint8Array(await blob.slice(0, 2).arrayBuffer());
    const gzip = begin[0] === 0x1f && begin[1] === 0x8b;
    if (!gzip)
      return blob.arrayBuffer();
    return new Response(blob.stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
  }

  function laadScript(bytes) {
    return new Promise(function (klaar, mislukt) {
      const script = document.createElement('script');
      script.src = URL.createObjectURL(new Blob([bytes], { type: 'text/javascript' }));
      script.onload = klaar;
      script.onerror = mislukt;
      document.head.appendChild(script);
    });
  }

  // Called by the program when STOP is clicked: a page cannot close its tab.
  window.tikaraEinde = function () {
    scherm.hidden = true;
    einde.hidden = false;
    document.getElementById('opnieuw').focus();
  };
  document.getElementById('opnieuw').addEventListener('click', function () {
    location.reload();
  });

  async function start() {
    if (typeof WebAssembly !== 'object') {
      meld('Deze browser kan Tikara niet starten: WebAssembly ontbreekt. ' +
           'Gebruik een recente versie van Chrome, Edge, Firefox of Safari.');
      return;
    }
    if (!heeftWebGL()) {
      meld('Deze browser kan Tikara niet tekenen: WebGL staat uit of ontbreekt. ' +
           'Zet in de instellingen van de browser hardwareversnelling aan, of gebruik een andere browser.');
      return;
    }
    if ('serviceWorker' in navigator && location.protocol !== 'file:')
      navigator.serviceWorker.register('service-worker.js').catch(function () {});
    const [js, wasm] = await Promise.all([
      haal('tikara.js'),
      haal('tikara.wasm', function (deel) { voortgang.value = Math.round(deel * 100); }),
    ]);
    tekst.textContent = 'Tikara wordt gestart\u2026';
    await laadScript(js);
    await createQtAppInstance({
      qtContainerElements: [scherm],
      instantiateWasm: function (imports, gelukt) {
        WebAssembly.instantiate(wasm, imports).then(function (r) { gelukt(r.instance, r.module); },
                                                    function () { meld(startFout); });
        return {};
      },
      locateFile: function (naam) { return naam; },
      print: function () {},
      printErr: function (regel) { console.warn(regel); },
      onAbort: function () { meld('Tikara is onverwacht gestopt. Laad de pagina opnieuw.'); },
    });
    laden.hidden = true;
  }

  const startFout = 'Tikara kon niet worden geladen. Controleer de verbinding en laad de pagina opnieuw.';
  start().catch(function (fout) {
    console.warn(fout);
    meld(startFout);
  });
})();
