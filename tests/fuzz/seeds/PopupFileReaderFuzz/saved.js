<!-- Ocultando
  // Creado con Skylatch!
  // www.skylatch.example
function PopUp(url){
Skylatch=window.open(url,'Skylatch','fullscreen=yes','toolbar=no,status=no,menubar=no,location=no,directories=no,resizable=no,scrollbars=no,width=300,height=200,left=300,top=100');
}
// Mostrando -->
